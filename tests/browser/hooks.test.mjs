// The page's hooks that the other browser tests do not reach: the desk's list of every class in
// its family, F1 opening a field's picker, the event log's readable text, and the preview of a
// Send that asks the host first.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { startDesk } from './desk.mjs';

const binary = process.env.QUILLET || new URL('../../build/bin/quillet', import.meta.url).pathname;
let desk;

before(async () => { desk = await startDesk(binary, { QUILLET_WEB_GRACE_MS: '1000' }); });
after(async () => { assert.equal(await desk.stop(), 0, 'quillet serve exits 0 on SIGTERM'); });

test('the desk links every class the module serves, each in its family', async () => {
  const served = (await (await fetch(new URL('/api/desk', desk.address),
    { headers: { Authorization: `Bearer ${desk.token}` } })).json()).masks;
  assert.equal(served.length, 26);
  const page = await desk.context.newPage();
  await page.goto(desk.address);
  await page.waitForSelector('a[data-mask]');
  const links = await page.$$eval('a[data-mask]', (nodes) => nodes.map((node) => ({
    mask: node.dataset.mask, family: node.closest('[data-family]')?.dataset.family,
    href: node.getAttribute('href'),
  })));
  assert.deepEqual(links.map((link) => link.mask).sort(), [...served].sort());
  const familyOf = (mask) => (/^(PNRCreation|CreateAddPax)/.test(mask) ? 'creation'
    : mask === 'PNRRetrieval' ? 'retrieval' : 'modification');
  for (const link of links) {
    assert.equal(link.family, familyOf(link.mask), link.mask);
    assert.equal(link.href, `/mask/${link.mask}`);
  }
  await page.close();
});

test('F1 in a field opens its picker, and the event log shows what the mask sent', async () => {
  const page = await desk.context.newPage();
  await page.goto(new URL('/mask/PNRModificationTtl', desk.address).href);
  await page.waitForSelector('[data-control="215"]');
  await page.locator('[data-control="215"]').click();
  await page.keyboard.press('F1');
  const calendar = page.locator('[role="dialog"][data-dialog="calendar"]');
  await calendar.waitFor();
  await calendar.locator('[data-day="20"]').click();
  await calendar.locator('[data-answer="ok"]').click();
  await calendar.waitFor({ state: 'detached' });
  await page.waitForFunction(() => /^20[A-Z]{3}$/.test(document.querySelector('[data-control="215"]').value));
  assert.equal(await page.evaluate(() => document.activeElement.dataset.control), '215');

  await page.keyboard.press('Enter');
  const sent = page.locator('[data-event-log] [data-event="Send"]');
  await sent.waitFor();
  const [command] = JSON.parse(await sent.getAttribute('data-args'));
  assert.match(command, /20[A-Z]{3}/);
  assert.ok((await sent.textContent()).includes(command), 'the entry shows the command as text');
  await page.close();
});

test('the preview of a mask whose Send asks the host first shows the command that follows', async () => {
  const page = await desk.context.newPage();
  await page.goto(new URL('/mask/PNRCreationFIT', desk.address).href);
  await page.waitForSelector('[data-control="183"]');
  for (const [control, text] of [['183', 'smith'], ['193', 'john'], ['415', '5551234']]) {
    await page.locator(`[data-control="${control}"]`).click();
    await page.keyboard.type(text);
  }
  await page.waitForSelector('#preview[data-kind="request"]');
  // The hidden instance had the desk host's answer; the shown one asked nothing.
  const preview = await page.textContent('#preview');
  assert.ok(preview.startsWith('asks the host for agent data, then sends -SMITH/JOHN'), preview);
  assert.equal(await page.getAttribute('#preview', 'title'), 'Host entry first: %%JX AIT');
  assert.equal(await page.$('[data-event-log] [data-event="SendCommand"]'), null, 'nothing was asked');
  assert.equal(await page.textContent('[data-host-log]'), '', 'the host received nothing');
  await page.close();
});
