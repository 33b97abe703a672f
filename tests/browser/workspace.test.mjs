// The desk page as the agent's workspace: finding a mask as one types, masks open as panels
// side by side (each its own instance), the keys that go from panel to panel keeping each
// panel's focus, Cancel closing a panel, a message box inside a panel, the host pane's typed
// entries with their recall, and axe on the workspace with two panels open.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { startDesk } from './desk.mjs';
import { axeFaults, markDialogNodes } from './axe.mjs';

const binary = process.env.QUILLET || new URL('../../build/bin/quillet', import.meta.url).pathname;
let desk;

before(async () => { desk = await startDesk(binary, { QUILLET_WEB_GRACE_MS: '1000' }); });
after(async () => { assert.equal(await desk.stop(), 0); });

async function workspacePage() {
  const page = await desk.context.newPage();
  await page.setViewportSize({ width: 1400, height: 900 });
  await page.goto(desk.address);
  await page.waitForSelector('a[data-mask]');
  return page;
}

// Opens a mask as a panel by its link; the panel once its dialog shows.
async function openPanel(page, className, control) {
  const before = await page.$$eval('[data-panel]', (nodes) => nodes.length);
  await page.click(`a[data-mask="${className}"]`);
  await page.waitForFunction((count) => document.querySelectorAll('[data-panel]').length === count + 1, before);
  const id = await page.locator('[data-panel]').last().getAttribute('data-panel');
  const panel = page.locator(`[data-panel="${id}"]`);
  await panel.locator(`[data-control="${control}"]`).waitFor();
  return panel;
}

const shownPanel = (page) => page.evaluate(() => document.querySelector('[data-panel]:not([hidden])')?.dataset.panel ?? null);
const focusedControl = (page) => page.evaluate(() => {
  const active = document.activeElement;
  return { panel: active?.closest('[data-panel]')?.dataset.panel ?? null, control: active?.closest('[data-control]')?.dataset.control ?? null };
});
const settled = (panel) => panel.evaluate((node) => new Promise((resolve) => {
  const check = () => (node.hasAttribute('data-busy') ? setTimeout(check, 20) : resolve());
  check();
}));
const events = (panel, name) => panel.locator(`[data-event-log] [data-event="${name}"]`)
  .evaluateAll((items) => items.map((item) => JSON.parse(item.dataset.args)));
const matches = (page) => page.$$eval('#families li:not([hidden]) a[data-mask]', (links) => links.map((link) => link.dataset.mask));

test('type-to-find filters the masks by title and class name; Down, Up and Enter open the chosen one', async () => {
  const page = await workspacePage();
  const cases = [
    ['fax', ['PNRCreationFax', 'PNRModificationFax', 'PNRAddPhoneFax']],
    ['FAX', ['PNRCreationFax', 'PNRModificationFax', 'PNRAddPhoneFax']],
    ['phone fax', ['PNRAddPhoneFax']],
    ['creation fax', ['PNRCreationFax']],
    ['pnrmodificationfax', ['PNRModificationFax']],
    ['nothing like it', []],
  ];
  for (const [typed, expected] of cases) {
    await page.fill('#mask-search', typed);
    assert.deepEqual(await matches(page), expected, typed);
  }
  await page.fill('#mask-search', 'mod');
  const modifications = await matches(page);
  assert.ok(modifications.length >= 5, 'every modification mask');
  assert.ok(modifications.every((name) => /^PNRModif/.test(name)), modifications.join());
  // The links stay links to the mask pages.
  assert.equal(await page.getAttribute(`a[data-mask="${modifications[0]}"]`, 'href'), `/mask/${modifications[0]}`);

  await page.fill('#mask-search', 'tion fax');
  await page.focus('#mask-search');
  assert.deepEqual(await matches(page), ['PNRCreationFax', 'PNRModificationFax']);
  await page.keyboard.press('ArrowDown');
  assert.equal(await page.textContent('a.chosen'), 'PNR Modification Fax');
  await page.keyboard.press('ArrowDown');  // round to the first again
  assert.equal(await page.textContent('a.chosen'), 'PNR Creation Fax');
  await page.keyboard.press('ArrowUp');
  assert.match(await page.textContent('#picker-status'), /PNR Modification Fax, 2 of 2/);
  await page.keyboard.press('Enter');
  const panel = page.locator('[data-panel-class="PNRModificationFax"]');
  await panel.locator('.dialog [data-control]').first().waitFor();
  // Plain titles, never class names.
  assert.equal(await page.textContent('[role="tab"][aria-selected="true"]'), 'PNR Modification Fax Alt+1');
  assert.equal(await panel.locator('[data-panel-close]').getAttribute('aria-label'), 'Close PNR Modification Fax');
  assert.match(page.url(), /\/$/, 'the desk page stays');
  // Alt+0 comes back to the search, and what is typed then replaces the last one.
  await page.keyboard.press('Alt+0');
  await page.keyboard.type('ssr');
  assert.deepEqual(await matches(page), ['PNRCreationSSR']);
  await page.close();
});

test('two panels of one class are two instances: typing in one leaves the other', async () => {
  const page = await workspacePage();
  const first = await openPanel(page, 'PNRCreationFax', 304);
  // Focus at open: on the fax number, inside the panel.
  await page.waitForFunction(() => document.activeElement?.dataset.control === '304');
  await page.keyboard.type('5551234');
  const second = await openPanel(page, 'PNRCreationFax', 304);
  await page.waitForFunction(() => document.activeElement?.closest('[data-panel]:not([hidden])') && document.activeElement.dataset.control === '304');
  await page.keyboard.type('777');
  await page.keyboard.press('Enter');
  await second.locator('[data-event="Send"]').waitFor();
  assert.deepEqual(await events(second, 'Send'), [['9 777-F']]);
  assert.deepEqual(await events(first, 'Send'), []);
  assert.equal(await first.locator('[data-control="304"]').inputValue(), '5551234');
  const ids = await page.$$eval('[data-panel]', (nodes) => nodes.map((node) => node.dataset.panel));
  assert.equal(new Set(ids).size, 2);
  // The ids of the panels' nodes stay unique on the page.
  const duplicates = await page.evaluate(() => {
    const seen = new Map();
    for (const node of document.querySelectorAll('[id]')) seen.set(node.id, (seen.get(node.id) || 0) + 1);
    return [...seen].filter(([, count]) => count > 1).map(([id]) => id);
  });
  assert.deepEqual(duplicates, []);
  assert.equal(await page.textContent('[role="tab"][aria-selected="true"]'), 'PNR Creation Fax (2) Alt+2');
  await page.close();
});

test('switching from the keyboard shows one panel at a time and puts the focus back where it was', async () => {
  const page = await workspacePage();
  const fax = await openPanel(page, 'PNRCreationFax', 304);
  const faxId = await fax.getAttribute('data-panel');
  await page.waitForFunction(() => document.activeElement?.dataset.control === '304');
  await page.keyboard.type('12');
  const email = await openPanel(page, 'PNRCreationEmail', 306);
  const emailId = await email.getAttribute('data-panel');
  await page.waitForFunction(() => document.activeElement?.dataset.control === '306');
  await page.keyboard.press('Tab');
  const emailFocus = (await focusedControl(page)).control;
  assert.notEqual(emailFocus, '306');
  await settled(email);

  const cases = [
    ['Control+F6', faxId, '304'],
    ['Control+F6', emailId, emailFocus],
    ['Control+Shift+F6', faxId, '304'],
    ['Alt+2', emailId, emailFocus],
    ['Alt+1', faxId, '304'],
  ];
  for (const [keys, panel, control] of cases) {
    await page.keyboard.press(keys);
    assert.equal(await shownPanel(page), panel, keys);
    assert.deepEqual(await focusedControl(page), { panel, control }, keys);
    assert.equal(await page.locator('[data-panel]:not([hidden])').count(), 1);
  }
  // Only the shown panel takes keys, typed at full speed while switching.
  await page.keyboard.type('34');
  await page.keyboard.press('Control+F6');
  await page.keyboard.press('Alt+1');
  await page.keyboard.type('56');
  await settled(fax);
  assert.equal(await fax.locator('[data-control="304"]').inputValue(), '123456');
  assert.equal(await email.locator('[data-control="306"]').inputValue(), '');

  // The tab list as tabs: the arrows go from tab to tab and show its panel.
  await page.focus('[role="tab"][aria-selected="true"]');
  await page.keyboard.press('ArrowRight');
  assert.equal(await shownPanel(page), emailId);
  assert.equal(await page.evaluate(() => document.activeElement.getAttribute('aria-selected')), 'true');
  await page.keyboard.press('ArrowRight');
  assert.equal(await shownPanel(page), faxId);

  // Ctrl+F4 closes the shown panel, its instance released; the other is shown.
  await page.keyboard.press('Alt+1');
  await page.keyboard.press('Control+F4');
  assert.equal(await shownPanel(page), emailId);
  assert.deepEqual(await focusedControl(page), { panel: emailId, control: emailFocus });
  assert.equal((await desk.api(`/api/mask/${faxId}/state`)).status, 404);
  await page.close();
});

test('Cancel closes its panel, and on a mask page says so with a way to open it anew', async () => {
  const page = await workspacePage();
  const panel = await openPanel(page, 'CreateAddPax', 853);
  const id = await panel.getAttribute('data-panel');
  await panel.locator('[data-hosted-action="cancel"]').click();
  await page.waitForFunction((gone) => !document.querySelector(`[data-panel="${gone}"]`) &&
    !document.querySelector(`[data-panel-tab="${gone}"]`), id);
  assert.match(await page.textContent('#workspace-status'), /Create Add Pax was cancelled and closed/);
  assert.equal((await desk.api(`/api/mask/${id}/state`)).status, 404);
  assert.equal(await page.evaluate(() => document.activeElement.id), 'mask-search', 'the focus goes on, not lost');

  const tab = await desk.context.newPage();
  await tab.goto(new URL('/mask/CreateAddPax', desk.address).href);
  await tab.locator('[data-hosted-action="cancel"]').click();
  await tab.waitForSelector('body[data-closed-reason="cancelled"] [data-mask-closed]:not([hidden])');
  assert.deepEqual(await tab.$$eval('[data-event-log] [data-event="Cancel"]', (items) => items.length), 1);
  const reopen = tab.locator('[data-mask-closed] a');
  assert.equal(await reopen.textContent(), 'Open Create Add Pax anew');
  assert.equal(await tab.evaluate(() => document.activeElement.textContent), 'Open Create Add Pax anew');
  await reopen.click();
  await tab.waitForSelector('[data-control="853"] form[data-hosted="AddPax"]');
  assert.equal(await tab.isHidden('[data-mask-closed]'), true);
  await tab.close();
  await page.close();
});

test('a message box in a panel keeps the focus; closing the panel while it is open releases it', async () => {
  const page = await workspacePage();
  const other = await openPanel(page, 'PNRCreationEmail', 306);
  const fax = await openPanel(page, 'PNRCreationFax', 304);
  const faxId = await fax.getAttribute('data-panel');
  await page.waitForFunction(() => document.activeElement?.dataset.control === '304');
  await page.keyboard.type('55*1');
  await page.keyboard.press('Enter');
  const box = fax.locator('[role="alertdialog"]');
  await box.waitFor();
  assert.equal(await page.evaluate(() => document.activeElement.closest('[role="alertdialog"]') !== null), true);
  await page.keyboard.press('Tab');
  await page.keyboard.press('Shift+Tab');
  assert.equal(await page.evaluate(() => document.activeElement.closest('[role="alertdialog"]') !== null), true, 'Tab stays in the box');
  // Away and back: the box has the focus again.
  await page.keyboard.press('Control+F6');
  await page.keyboard.press('Control+F6');
  assert.equal(await page.evaluate(() => document.activeElement.closest('[role="alertdialog"]') !== null), true);
  // Escape answers it, and the mask goes on in that panel only.
  await page.keyboard.press('Escape');
  await box.waitFor({ state: 'detached' });
  await page.waitForFunction(() => document.activeElement?.dataset.control === '304');
  await page.keyboard.press('Enter');
  await box.waitFor();
  await fax.locator('[data-panel-close]').click();
  await page.waitForFunction((gone) => !document.querySelector(`[data-panel="${gone}"]`), faxId);
  assert.equal((await desk.api(`/api/mask/${faxId}/state`)).status, 404);
  // The other panel still works.
  await other.locator('[data-control="306"]').click();
  await page.keyboard.type('ann@host.test');
  await page.keyboard.press('Enter');
  await other.locator('[data-event="Send"]').waitFor();
  await page.close();
});

test('the host pane takes typed entries: answered, journalled, recalled with Up and Down', async () => {
  const page = await workspacePage();
  await page.keyboard.press('Alt+T');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'host-entry');
  for (const entry of ['IG', 'AN20JANSINLHR']) {
    await page.keyboard.type(entry);
    await page.keyboard.press('Enter');
    await page.waitForFunction((text) => document.querySelector('[data-host-terminal]').textContent.includes(text), `> ${entry}`);
  }
  const terminal = await page.textContent('[data-host-terminal]');
  assert.match(terminal, /> IG< IGNORED/);
  assert.match(terminal, /> AN20JANSINLHR< OK/);
  await page.waitForFunction(() => document.querySelector('[data-journal] > [data-entry]')?.dataset.command === 'AN20JANSINLHR');
  assert.equal(await page.getAttribute('[data-journal] > [data-entry]', 'data-mask'), 'Host');
  assert.match(await page.textContent('[data-journal] > [data-entry] .journal-mask'), /^Host$/);

  // A control character is refused with a clear error; the entry stays to be corrected.
  const refused = await page.evaluate(async () => (await fetch('/api/host', {
    method: 'POST', headers: { 'Content-Type': 'application/json' }, body: JSON.stringify({ entry: 'RT\u001b' }),
  })).json());
  assert.match(refused.error, /control character/);

  // Up recalls the newest first, Down goes back to the text being typed.
  await page.focus('[data-host-entry]');
  await page.keyboard.type('RT');
  const value = () => page.inputValue('[data-host-entry]');
  const steps = [['ArrowUp', 'AN20JANSINLHR'], ['ArrowUp', 'IG'], ['ArrowDown', 'AN20JANSINLHR'], ['ArrowDown', 'RT'], ['ArrowDown', 'RT']];
  for (const [key, expected] of steps) {
    await page.keyboard.press(key);
    assert.equal(await value(), expected, key);
  }
  await page.close();
});

test('opening many panels: each opens, the tab list keeps them, closing all leaves none', async () => {
  const page = await workspacePage();
  const count = 30;
  for (let panel = 0; panel < count; panel += 1) await page.click('a[data-mask="PNRCreationFax"]');
  await page.waitForFunction((n) => document.querySelectorAll('[data-panel] [data-control="304"]').length === n, count);
  assert.equal(await page.locator('[role="tab"]').count(), count);
  assert.equal(await page.locator('[data-panel]:not([hidden])').count(), 1);
  for (let panel = 0; panel < count; panel += 1) await page.keyboard.press('Alt+W');
  assert.equal(await page.locator('[data-panel]').count(), 0);
  await page.waitForFunction(async () => (await (await fetch('/api/desk')).json()).open === 0);
  await page.close();
});

for (const highContrast of [false, true]) {
  test(`axe on the workspace with two panels open${highContrast ? ' under High contrast' : ''}`, async () => {
    const page = await workspacePage();
    await page.evaluate((on) => localStorage.setItem('quillet.highContrast', on ? 'on' : 'off'), highContrast);
    await page.reload();
    await page.waitForSelector('a[data-mask]');
    await openPanel(page, 'PNRCreationFax', 304);
    await openPanel(page, 'PNRCreationFIT', 211);
    await page.fill('[data-host-entry]', 'IG');
    await page.press('[data-host-entry]', 'Enter');
    await page.waitForSelector('[data-host-terminal] li');
    const faults = [];
    for (const fault of await markDialogNodes(page, await axeFaults(page))) {
      if (!highContrast && fault.rule === 'color-contrast' && fault.inDialog) continue;
      faults.push(`${fault.rule} ${fault.target}`);
    }
    await page.evaluate(() => localStorage.setItem('quillet.highContrast', 'off'));
    assert.deepEqual(faults, []);
    await page.close();
  });
}
