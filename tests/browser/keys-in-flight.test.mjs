// Keys typed while the desk's answers to earlier ones are still on their way: the focus leaves
// the field (another panel, Tab) and comes back, or a message box opens. The desk's answers are
// held and let through at the worst moment, so that a state older than the agent's keys reaches
// the page while the field has no focus. Every key lands where the agent typed it, in order.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { startDesk } from './desk.mjs';
import { hold, holdSocket, releaseAll, releaseUntil } from './held-socket.mjs';

const binary = process.env.QUILLET || new URL('../../build/bin/quillet', import.meta.url).pathname;
let desk;

before(async () => { desk = await startDesk(binary, { QUILLET_WEB_GRACE_MS: '1000' }); });
after(async () => { assert.equal(await desk.stop(), 0); });

const settled = (root) => root.evaluate((node) => new Promise((resolve) => {
  const check = () => (node.hasAttribute('data-busy') ? setTimeout(check, 20) : resolve());
  check();
}));

async function deskText(instance, control) {
  const state = await (await desk.api(`/api/mask/${instance}/state`)).json();
  return state.dialog.controls.find((entry) => entry.id === control).text;
}

const focusedControl = (page) => page.evaluate(() => document.activeElement?.closest('[data-control]')?.dataset.control ?? null);

// Away from the field and back while its first key is still unanswered; the state that holds
// only that key reaches the page while the focus is elsewhere.
const awayAndBack = [
  {
    name: 'another panel and back (Control+F6, Alt+1)',
    async open(page) {
      await page.goto(desk.address);
      await page.waitForSelector('a[data-mask]');
      await page.click('a[data-mask="PNRCreationEmail"]');
      await page.locator('[data-panel] [data-control="306"]').waitFor();
      await page.click('a[data-mask="PNRCreationFax"]');
      const root = page.locator('[data-panel-class="PNRCreationFax"]');
      await root.locator('[data-control="304"]').waitFor();
      await page.waitForFunction(() => document.activeElement?.dataset.control === '304');
      return { root, instance: await root.getAttribute('data-panel'), control: 304 };
    },
    away: ['Control+F6'],
    back: ['Alt+2'],
  },
  {
    name: 'the next field and back on the mask page (Tab, Shift+Tab)',
    async open(page) {
      await page.goto(new URL('/mask/PNRModificationFax', desk.address).href);
      await page.waitForSelector('body[data-font-ready] [data-control="566"]');
      await page.locator('[data-control="566"]').click();
      const root = page.locator('body');
      return { root, instance: await page.evaluate(() => document.body.dataset.instance), control: 566 };
    },
    away: ['Tab'],
    back: ['Shift+Tab'],
  },
];

for (const { name, open, away, back } of awayAndBack) {
  test(`keys typed while going to ${name} land in order`, async () => {
    const page = await desk.context.newPage();
    await page.setViewportSize({ width: 1400, height: 900 });
    await holdSocket(page);
    const { root, instance, control } = await open(page);
    await settled(root);
    await hold(page);
    await page.keyboard.type('12');
    for (const key of away) await page.keyboard.press(key);
    assert.notEqual(await focusedControl(page), String(control));
    // The desk's state after the first key only, read while the field has no focus.
    await releaseUntil(page, { control, text: '1' });
    for (const key of back) await page.keyboard.press(key);
    assert.equal(await focusedControl(page), String(control));
    await page.keyboard.type('34');
    await releaseAll(page);
    await settled(root);
    const field = root.locator(`[data-control="${control}"]`);
    assert.equal(await field.inputValue(), '1234');
    assert.equal(await deskText(instance, control), '1234');
    assert.deepEqual(await field.evaluate((input) => [input.selectionStart, input.selectionEnd]), [4, 4]);
    await page.close();
  });
}

test('a message box that opens with keys in flight: its answer and the keys reach the desk in order', async () => {
  const page = await desk.context.newPage();
  await holdSocket(page);
  await page.goto(new URL('/mask/PNRCreationFax', desk.address).href);
  await page.waitForSelector('body[data-font-ready] [data-control="304"]');
  const body = page.locator('body');
  const instance = await page.evaluate(() => document.body.dataset.instance);
  await page.waitForFunction(() => document.activeElement?.dataset.control === '304');
  await settled(body);
  await hold(page);
  // Enter stops on the "*" with a box; the 2 typed before the box shows goes to the mask
  // while the box is open, which takes no text.
  await page.keyboard.type('55*1');
  await page.keyboard.press('Enter');
  await page.keyboard.type('2');
  await releaseUntil(page, { modal: true });
  const box = page.locator('[role="alertdialog"]');
  await box.waitFor();
  assert.equal(await page.evaluate(() => document.querySelector('[role="alertdialog"]').contains(document.activeElement)), true);
  await page.keyboard.press('Escape');
  await releaseAll(page);
  await box.waitFor({ state: 'detached' });
  await settled(body);
  const field = page.locator('[data-control="304"]');
  assert.equal(await deskText(instance, 304), '55*1');
  assert.equal(await field.inputValue(), '55*1');
  assert.equal(await focusedControl(page), '304');
  // What is typed now goes on at the desk's caret.
  await page.keyboard.press('End');
  await page.keyboard.type('9');
  await settled(body);
  assert.equal(await deskText(instance, 304), '55*19');
  assert.equal(await field.inputValue(), '55*19');
  await page.close();
});
