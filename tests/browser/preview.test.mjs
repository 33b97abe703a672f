// The preview line beside a mask: it follows the agent's typing with the command Send would
// send, or the fault with its control marked, while the cursor stays in the field and nothing
// is sent; the desk's setting hides it.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { startDesk } from './desk.mjs';

const binary = process.env.QUILLET || new URL('../../build/bin/quillet', import.meta.url).pathname;
let desk;

before(async () => { desk = await startDesk(binary, { QUILLET_WEB_GRACE_MS: '1000' }); });
after(async () => { assert.equal(await desk.stop(), 0, 'quillet serve exits 0 on SIGTERM'); });

const previewOf = (page) => page.$eval('#preview', (node) => ({
  hidden: node.hidden, kind: node.dataset.kind, text: node.textContent,
}));

test('typing into a mask changes the preview, and the setting hides it', async () => {
  const page = await desk.context.newPage();
  await page.goto(new URL('/mask/PNRCreationFax', desk.address).href);
  await page.waitForSelector('#preview[data-kind="fault"]');
  assert.match((await previewOf(page)).text, /Send stops: Enter the fax number\./);
  assert.ok(await page.$('.control.preview-fault[data-control="304"]'), 'the fault marks its field');

  const field = page.locator('[data-control="304"]');
  await field.click();
  await page.keyboard.type('5551234');
  await page.waitForFunction(() => document.getElementById('preview').textContent.includes('9 5551234-F'));
  const shown = await previewOf(page);
  assert.equal(shown.kind, 'command');
  assert.equal(shown.text, 'Send sends 9 5551234-F');
  assert.equal(await page.$('.preview-fault'), null);
  // The preview sent nothing and left the cursor where the agent types.
  assert.equal(await page.$('[data-event-log] [data-event="Send"]'), null);
  assert.equal(await page.evaluate(() => document.activeElement.dataset.control), '304');
  await page.keyboard.type('X');
  await page.waitForFunction(() => document.getElementById('preview').textContent.includes('9 5551234X-F') ||
    document.getElementById('preview').dataset.kind === 'fault');

  await page.uncheck('#show-preview');
  await page.waitForFunction(() => document.getElementById('preview').hidden);
  const state = await (await fetch(new URL('/api/desk', desk.address),
    { headers: { Authorization: `Bearer ${desk.token}` } })).json();
  assert.equal(state.preview, false);
  await page.check('#show-preview');
  await page.waitForFunction(() => !document.getElementById('preview').hidden);
  await page.close();
});

test('the preview keeps step with the agent: a mode chosen in a list, and the Send just made', async () => {
  const page = await desk.context.newPage();
  await page.goto(new URL('/mask/PNRRetrieval', desk.address).href);
  await page.waitForSelector('#preview[data-kind="fault"]');
  await page.selectOption('[data-control="518"]', { label: 'By Passenger Name' });
  await page.locator('[data-control="521"]').fill('SMITH');
  await page.locator('[data-control="538"]').fill('JOHN');
  await page.waitForFunction(() => document.getElementById('preview').textContent === 'Send sends *-SMITH/JOHN');
  await page.close();

  // Typed and sent at once: the line shows what that Send did, not an older outcome.
  const fax = await desk.context.newPage();
  await fax.goto(new URL('/mask/PNRCreationFax', desk.address).href);
  await fax.waitForSelector('#preview[data-kind="fault"]');
  await fax.locator('[data-control="304"]').click();
  await fax.keyboard.type('1*');
  await fax.keyboard.press('Enter');
  await fax.waitForSelector('[role="alertdialog"]');
  const box = await fax.$eval('[role="alertdialog"]', (node) => node.textContent);
  await fax.waitForFunction(() => document.getElementById('preview').dataset.kind === 'fault' &&
    document.getElementById('preview').textContent.startsWith('Send stopped: '));
  const line = await previewOf(fax);
  assert.ok(box.includes(line.text.replace('Send stopped: ', '')), `${line.text} is the box's message`);
  await fax.close();
});
