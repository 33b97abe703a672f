// The keyboard, as the desktop's dialog manager has it: the focus at open, Tab over the tab
// stops, the focus moving on from a control that is disabled, boxes and pickers keeping the
// focus, Enter and Escape in them, the calendar's keys, a combo box's list from the keyboard,
// and typing at full speed.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { openMaskPage, startDesk } from './desk.mjs';

const binary = process.env.QUILLET || new URL('../../build/bin/quillet', import.meta.url).pathname;
let desk;

before(async () => { desk = await startDesk(binary, { QUILLET_WEB_GRACE_MS: '1000' }); });
after(async () => { assert.equal(await desk.stop(), 0); });

const openMask = (page, className) => openMaskPage(page, desk, className);

const focused = (page) => page.evaluate(() => document.activeElement?.closest('[data-control]')?.dataset.control ?? null);

// The page has caught up with the desk: every action answered and shown.
const settled = (page) => page.waitForFunction(() => !document.body.hasAttribute('data-busy'));

async function deskState(page) {
  const instance = await page.evaluate(() => document.body.dataset.instance);
  return (await desk.api(`/api/mask/${instance}/state`)).json();
}

test('every mask opens with the focus on its first tab stop, in the page and on the desk', async () => {
  const masks = (await (await desk.api('/api/desk')).json()).masks;
  const page = await desk.context.newPage();
  const wrong = [];
  for (const className of masks) {
    await openMask(page, className);
    await page.waitForFunction(() => document.activeElement && document.activeElement !== document.body);
    await settled(page);
    const state = await deskState(page);
    const first = state.dialog.controls.find((control) => control.tabstop && control.visible && control.enabled);
    const inPage = await focused(page);
    if (String(state.dialog.focus) !== inPage || (state.dialog.focus !== first.id && className !== 'CreateAddPax')) {
      wrong.push(`${className}: page ${inPage}, desk ${state.dialog.focus}, first tab stop ${first.id}`);
    }
  }
  await page.close();
  assert.deepEqual(wrong, []);
});

test('Tab and Shift+Tab go round the enabled tab stops in the dialog\'s order', async () => {
  const page = await desk.context.newPage();
  await openMask(page, 'PNRCreationRemarks');
  await page.waitForFunction(() => document.activeElement.dataset.control === '272');
  const seen = [];
  for (let step = 0; step < 7; step += 1) {
    await page.keyboard.press('Tab');
    seen.push(await focused(page));
  }
  // 274 is disabled; after Help the focus comes round to the first stop.
  assert.deepEqual(seen, ['276', '223', '234', '232', '227', '435', '272']);
  // Once the desk has answered every move, the focus is where the last key left it.
  await page.keyboard.press('Shift+Tab');
  await settled(page);
  assert.equal(await focused(page), '435');
  await page.close();
});

test('when the control with the focus is disabled, the focus goes on to the next tab stop', async () => {
  const page = await desk.context.newPage();
  await openMask(page, 'PNRCreationRemarks');
  await page.waitForFunction(() => document.activeElement.dataset.control === '272');
  await page.keyboard.press('Control+A');
  await page.keyboard.type('ZZZ');
  await page.keyboard.press('Tab');
  await page.waitForSelector('[data-control="276"]:disabled');
  await settled(page);
  const now = await focused(page);
  assert.ok(now !== null && now !== '276', `the focus is on ${now}`);
  assert.equal(String((await deskState(page)).dialog.focus), now, 'the desk has the same focus');
  await page.close();
});

test('a message box keeps the focus; Enter and Escape answer it', async () => {
  const page = await desk.context.newPage();
  await openMask(page, 'PNRCreationFax');
  for (const key of ['Enter', 'Escape']) {
    await page.locator('[data-control="304"]').fill('');
    await page.locator('[data-control="304"]').focus();
    await page.keyboard.type('1*');
    await page.keyboard.press('Enter');
    const box = page.locator('[role="alertdialog"]');
    await box.waitFor();
    assert.equal(await box.getAttribute('aria-modal'), 'true');
    for (let step = 0; step < 4; step += 1) {
      await page.keyboard.press(step % 2 ? 'Shift+Tab' : 'Tab');
      assert.ok(await page.evaluate(() => document.querySelector('[role="alertdialog"]').contains(document.activeElement)), 'the focus stays in the box');
    }
    await page.keyboard.press(key);
    await box.waitFor({ state: 'detached' });
    await settled(page);
    assert.equal(await focused(page), '304', `after ${key} the field has the focus again`);
    assert.match(page.url(), /\/mask\/PNRCreationFax$/, 'the page stays');
  }
  await page.close();
});

test('the calendar opens on the field\'s date; arrows, PageUp and PageDown move; Escape cancels', async () => {
  const page = await desk.context.newPage();
  await openMask(page, 'PNRModificationTtl');
  await page.locator('[data-control="215"]').click();
  await page.keyboard.type('15MAR');
  await settled(page);
  await page.keyboard.press('F1');
  const calendar = page.locator('[role="dialog"][data-dialog="calendar"]');
  await calendar.waitFor();
  await page.waitForFunction(() => document.activeElement?.dataset.day === '15');
  assert.match(await calendar.locator('.month-title').textContent(), /^March \d{4}$/);
  assert.equal(await calendar.locator('[data-day][tabindex="0"]').count(), 1, 'the days are one tab stop');
  await page.keyboard.press('ArrowRight');
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('PageDown');
  assert.equal(await page.evaluate(() => document.activeElement.dataset.day), '23');
  assert.match(await calendar.locator('.month-title').textContent(), /^April /);
  await page.keyboard.press('PageUp');
  await page.keyboard.press('PageUp');
  assert.match(await calendar.locator('.month-title').textContent(), /^February /);
  for (let step = 0; step < 6; step += 1) await page.keyboard.press('Tab');
  assert.ok(await calendar.evaluate((box) => box.contains(document.activeElement)), 'the focus stays in the picker');
  await page.keyboard.press('Escape');
  await calendar.waitFor({ state: 'detached' });
  await page.waitForSelector('[data-event-log] [data-entry="answer"]');
  assert.match(await page.textContent('[data-event-log] [data-entry="answer"]'), /cancelled/);
  assert.equal(await page.inputValue('[data-control="215"]'), '15MAR');

  await page.keyboard.press('F1');
  await calendar.waitFor();
  await page.waitForFunction(() => document.activeElement?.dataset.day === '15');
  await page.keyboard.press('ArrowLeft');
  await page.keyboard.press('Enter');
  await calendar.waitFor({ state: 'detached' });
  await page.waitForFunction(() => document.querySelector('[data-control="215"]').value === '14MAR');
  await page.close();
});

test('Alt+Down and F4 open a combo box\'s list; the arrows and Enter choose, Escape closes', async () => {
  const page = await desk.context.newPage();
  await openMask(page, 'PNRCreationRemarks');
  await page.waitForFunction(() => document.activeElement.dataset.control === '272');
  const items = (await deskState(page)).dialog.controls.find((control) => control.id === 272).items;
  await page.keyboard.press('F4');
  const list = page.locator('[data-combo-list="272"]');
  await list.waitFor();
  assert.deepEqual(await list.locator('[role="option"]').allTextContents(), items);
  await page.keyboard.press('Escape');
  await list.waitFor({ state: 'detached' });
  assert.equal(await focused(page), '272');
  await page.keyboard.press('Alt+ArrowDown');
  await list.waitFor();
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('Enter');
  await list.waitFor({ state: 'detached' });
  await settled(page);
  const state = (await deskState(page)).dialog.controls.find((control) => control.id === 272);
  assert.equal(state.selected, 1);
  assert.equal(await page.inputValue('[data-control="272"]'), state.text);
  assert.equal(await page.$('[data-event-log] [data-event="Send"]'), null, 'Enter in the list does not send');
  await page.close();
});

test('typing at full speed loses, doubles or reorders no character', async () => {
  const typed = async (className, control, text, delay) => {
    const page = await desk.context.newPage();
    await openMask(page, className);
    await page.locator(`[data-control="${control}"]`).focus();
    await settled(page);
    await page.keyboard.type(text, { delay });
    await settled(page);
    const shown = await page.inputValue(`[data-control="${control}"]`);
    const state = (await deskState(page)).dialog.controls.find((entry) => entry.id === Number(control));
    await page.close();
    return { shown, desk: state.text };
  };
  for (const [className, control, text] of [
    ['PNRCreationRemarks', '272', 'Itin'], ['PNRCreationRemarks', '276', 'Window seat, row 12 please'],
    ['PNRCreationFax', '304', '5551234567'],
  ]) {
    // One key at a time, as a slow agent types: the reference.
    const slow = await typed(className, control, text, 120);
    const fast = await typed(className, control, text, 0);
    assert.equal(slow.shown, slow.desk, `${className} ${control}: the page shows the desk's text`);
    assert.deepEqual(fast, slow, `${className} ${control} typed at full speed`);
  }
});

test('Enter sends from every control, a focused button too; Space presses a button', async () => {
  const page = await desk.context.newPage();
  await openMask(page, 'PNRCreationFax');
  await page.locator('[data-control="304"]').focus();
  await page.keyboard.type('5551234');
  await page.locator('[data-control="232"]').focus();  // Clear
  await page.keyboard.press('Enter');
  await page.waitForSelector('[data-event-log] [data-event="Send"]');
  await settled(page);
  assert.equal(await page.inputValue('[data-control="304"]'), '5551234', 'Enter sent; Clear was not pressed');
  await page.locator('[data-control="232"]').focus();
  await page.keyboard.press('Space');
  await page.waitForFunction(() => document.querySelector('[data-control="304"]').value === '');
  await page.close();
});
