// The web desk in a browser: the desk's list, typing and sending, a fault's message box and the
// cursor it leaves, Recall in a second instance, what a tab leaves behind when it closes.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { startDesk } from './desk.mjs';

const binary = process.env.QUILLET || new URL('../../build/bin/quillet', import.meta.url).pathname;
let desk;

before(async () => { desk = await startDesk(binary, { QUILLET_WEB_GRACE_MS: '1000' }); });
after(async () => { assert.equal(await desk.stop(), 0, 'quillet serve exits 0 on SIGTERM'); });

async function newPage() {
  return desk.context.newPage();
}

// The mask's page, one mask in the tab, reached by its link on the desk page.
async function openMask(page, className) {
  await page.goto(desk.address);
  const href = await page.getAttribute(`a[data-mask="${className}"]`, 'href');
  await page.goto(new URL(href, desk.address).href);
  await page.waitForSelector('[data-control="304"]');
}

async function events(page, name) {
  return page.$$eval(`[data-event-log] [data-event="${name}"]`,
    (items) => items.map((item) => JSON.parse(item.dataset.args)));
}

test('the desk lists the masks by family and opens one', async () => {
  const page = await newPage();
  await page.goto(desk.address);
  await page.waitForSelector('a[data-mask="PNRCreationFax"]');
  assert.ok(await page.$('[data-family="creation"] a[data-mask="PNRCreationFax"]'));
  assert.ok(await page.$('[data-family="modification"] a[data-mask="PNRModificationFax"]'));
  await openMask(page, 'PNRCreationFax');
  assert.match(page.url(), /\/mask\/PNRCreationFax$/);
  // As the template draws it: the light-blue background, the mandatory label in red with its
  // tooltip, the edit in upper case with its limit, sizes from dialog units.
  const look = await page.evaluate(() => {
    const label = document.querySelector('[data-control="457"]');
    const edit = document.querySelector('[data-control="304"]');
    return {
      background: getComputedStyle(document.getElementById('dialog')).backgroundColor,
      label: getComputedStyle(label).color,
      tooltip: document.getElementById(label.getAttribute('aria-describedby'))?.textContent,
      editTag: edit.tagName, editWidth: edit.getBoundingClientRect().width,
      send: document.querySelector('[data-control="223"]').tagName,
    };
  });
  assert.equal(look.background, 'rgb(155, 204, 255)');
  assert.equal(look.label, 'rgb(255, 0, 0)');
  assert.match(look.tooltip, /Fax number/);
  assert.equal(look.editTag, 'INPUT');
  assert.equal(look.send, 'BUTTON');
  assert.ok(look.editWidth > 100);
  await page.close();
});

test('typing follows the edit rules, Enter sends, the host and the whiteboard show it', async () => {
  const page = await newPage();
  await openMask(page, 'PNRCreationFax');
  const field = page.locator('[data-control="304"]');
  await field.click();
  await page.keyboard.type('555-abc');
  await page.waitForFunction(() => document.querySelector('[data-control="304"]').value === '555-ABC');
  await page.keyboard.press('Backspace');
  await page.keyboard.press('Backspace');
  await page.keyboard.press('Backspace');
  await page.keyboard.press('Backspace');
  await page.keyboard.type('1234');
  await page.keyboard.press('Enter');
  await page.waitForSelector('[data-event-log] [data-event="Send"]');
  assert.deepEqual(await events(page, 'Send'), [['9 5551234-F']]);
  assert.match(await page.textContent('[data-host-log]'), /> 9 5551234-F/);
  await page.check('#developer-view');  // the whiteboard pane is the developer view's
  await page.waitForSelector('[data-whiteboard] [data-section="PNR.CREATION.FAX"]');
  assert.doesNotMatch(await page.textContent('[data-whiteboard]'), /SHARKDOLPHIN/i, 'the guard key stays the masks\' own');
  assert.match(await page.textContent('[data-whiteboard]'), /FAXNO\s*5551234/);
  await page.close();
});

test('characters past the limit are not taken', async () => {
  const page = await newPage();
  await openMask(page, 'PNRCreationFax');
  await page.locator('[data-control="304"]').click();
  await page.keyboard.type('1'.repeat(45));
  await page.waitForFunction(() => {
    const state = document.querySelector('[data-control="304"]');
    return state.value.length === 40;
  });
  await page.waitForTimeout(200);
  assert.equal((await page.inputValue('[data-control="304"]')).length, 40);
  await page.close();
});

test('a fault shows its message box; after OK the faulty character is selected', async () => {
  const page = await newPage();
  await openMask(page, 'PNRCreationFax');
  await page.locator('[data-control="304"]').click();
  await page.keyboard.type('55*1');
  await page.keyboard.press('Enter');
  const box = page.locator('[role="alertdialog"]');
  await box.waitFor();
  assert.equal(await box.getAttribute('data-caption'), 'PNR Creation Information');
  assert.ok(await box.locator('[data-icon="stop"]').count());
  assert.match(await box.textContent(), /not allowed/);
  assert.deepEqual(await events(page, 'Send'), []);
  await box.getByRole('button', { name: 'OK' }).click();
  await box.waitFor({ state: 'detached' });
  await page.waitForFunction(() => {
    const active = document.activeElement;
    return active && active.dataset.control === '304' && active.selectionStart === 2 &&
      active.selectionEnd === 3;
  });
  await page.close();
});

// The page has caught up with the desk: every action answered, its state shown.
async function settled(page) {
  await page.waitForFunction(() => !document.body.hasAttribute('data-busy'));
}

async function deskDialog(page) {
  const state = await page.evaluate(async () =>
    (await fetch(`/api/mask/${document.body.dataset.instance}/state`)).json());
  return state.dialog;
}

test('a selection made in the page outlives the desk\'s answer to the focus that came before it', async () => {
  const page = await newPage();
  const sockets = [];
  page.on('websocket', (socket) => sockets.push(socket));
  await page.goto(new URL('/mask/PNRModificationFax', desk.address).href);
  const fax = page.locator('[data-control="566"]');
  await fax.click();
  await page.keyboard.type('5551');
  await page.locator('[data-control="565"]').click();
  await settled(page);
  // Select all at once as the field takes the focus; the desk's answer to the focus (its caret
  // after the text) arrives before anything is typed.
  const focusAnswered = new Promise((resolve) => {
    let focusSeq = null;
    sockets[0].on('framesent', ({ payload }) => {
      const message = JSON.parse(payload);
      if (message.type === 'act' && message.action.do === 'focus') focusSeq = message.seq;
    });
    sockets[0].on('framereceived', ({ payload }) => {
      const message = JSON.parse(payload);
      if (message.type === 'outcome' && message.seq === focusSeq) resolve();
    });
  });
  await fax.evaluate((input) => { input.focus(); input.select(); });
  await focusAnswered;
  await settled(page);
  // The page kept the agent's selection and told the desk.
  assert.deepEqual(await fax.evaluate((input) => [input.selectionStart, input.selectionEnd]), [0, 4]);
  assert.deepEqual((await deskDialog(page)).selection, [0, 4]);
  await page.keyboard.insertText('777');
  await settled(page);
  assert.equal(await fax.inputValue(), '777');
  assert.equal((await deskDialog(page)).controls.find((control) => control.id === 566).text, '777');
  await page.close();
});

test('Recall in a second instance brings back what the first one sent', async () => {
  const first = await newPage();
  await openMask(first, 'PNRCreationFax');
  await first.locator('[data-control="304"]').click();
  await first.keyboard.type('7654321');
  await first.keyboard.press('Enter');
  await first.waitForSelector('[data-event="Send"]');
  const second = await newPage();
  await openMask(second, 'PNRCreationFax');
  await second.locator('[data-control="304"]').click();
  await second.keyboard.press('Alt+ArrowUp');
  await second.waitForFunction(() => document.querySelector('[data-control="304"]').value === '7654321');
  // The first tab is still live: it sends again while the second one is open.
  await first.locator('[data-control="304"]').click();
  await first.keyboard.press('Enter');
  await first.waitForFunction(() => document.querySelectorAll('[data-event="Send"]').length === 2);
  await first.close();
  await second.close();
});

test('the status line shows only while the mask shows it', async () => {
  const page = await newPage();
  await openMask(page, 'PNRCreationFax');
  const deskShows = async () => {
    const instance = await page.evaluate(() => document.body.dataset.instance);
    const state = await (await desk.api(`/api/mask/${instance}/state`)).json();
    return state.dialog.controls.find((control) => control.id === 501).visible;
  };
  // The fax field has the focus at open, and the mask shows its hint; the hint is whole.
  await page.waitForFunction(() => document.activeElement.dataset.control === '304');
  await page.waitForFunction(() => !document.body.hasAttribute('data-busy'));
  assert.equal(await page.isVisible('[data-control="501"]'), await deskShows());
  const status = await page.$eval('[data-control="501"]', (node) => node.scrollHeight <= node.clientHeight + 1);
  assert.ok(status, 'the status line shows its hint whole');
  await page.close();
});

test('a class the module does not serve gets a 404 page, markup in it stays text', async () => {
  const page = await newPage();
  const response = await page.goto(`${desk.address}mask/%3Cimg%20src=x%20onerror=alert(1)%3E`);
  assert.equal(response.status(), 404);
  assert.equal(await page.$('img'), null);
  assert.match(await page.textContent('body'), /serves no mask/);
  await page.close();
});

test('the language switch opens the mask anew in that language', async () => {
  const page = await newPage();
  await openMask(page, 'PNRCreationFax');
  await page.selectOption('#language', 'KEY');
  await page.waitForURL(/lang=KEY/);
  await page.waitForFunction(() => document.querySelector('[data-control="223"]')?.textContent === 'CAPTION_BUTTON_SEND');
  await page.selectOption('#language', 'EN1');
  await page.waitForFunction(() => document.querySelector('[data-control="223"]')?.textContent === 'Send');
  await page.close();
});

test('help opens the mask\'s help page in a new tab', async () => {
  const page = await newPage();
  await openMask(page, 'PNRCreationFax');
  const popup = page.waitForEvent('popup');
  await page.click('[data-control="435"]');
  const help = await popup;
  await help.waitForLoadState();
  assert.match(await help.textContent('body'), /fax/i);
  await page.close();
});

test('closing the tab releases the mask instance', async () => {
  const openCount = async () => (await (await fetch(`${desk.address}api/desk`,
    { headers: { Authorization: `Bearer ${desk.token}` } })).json()).open;
  const page = await newPage();
  await openMask(page, 'PNRCreationFax');
  const before_ = await openCount();
  await page.close();
  const deadline = Date.now() + 5000;
  while (await openCount() >= before_ && Date.now() < deadline) {
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
  assert.ok(await openCount() < before_);
});

async function openMaskAt(page, className, control) {
  await page.goto(`${desk.address}mask/${className}`);
  await page.waitForSelector(`[data-control="${control}"]`);
}

const monthCodes = ['JAN', 'FEB', 'MAR', 'APR', 'MAY', 'JUN', 'JUL', 'AUG', 'SEP', 'OCT', 'NOV', 'DEC'];

test('a link label shows its hover colour and hand, and its calendar pick lands in the date', async () => {
  const page = await newPage();
  await openMaskAt(page, 'PNRModificationTtl', 252);
  const link = page.locator('[data-control="252"]');
  const look = () => link.evaluate((node) => [getComputedStyle(node).color, getComputedStyle(node).cursor]);
  assert.deepEqual(await look(), ['rgb(0, 0, 255)', 'auto']);
  await link.hover();
  await page.waitForFunction(() => getComputedStyle(document.querySelector('[data-control="252"]')).cursor === 'pointer');
  assert.deepEqual(await look(), ['rgb(255, 0, 0)', 'pointer'], 'the control asks for the hand');
  await page.mouse.move(0, 0);
  await page.waitForFunction(() => getComputedStyle(document.querySelector('[data-control="252"]')).cursor === 'auto');
  assert.deepEqual(await look(), ['rgb(0, 0, 255)', 'auto'], 'leaving the link ends the hover');

  await link.click();
  const calendar = page.locator('[role="dialog"][data-dialog="calendar"]');
  await calendar.waitFor();
  await calendar.locator('[data-day="15"]').click();
  await calendar.locator('[data-answer="ok"]').click();
  await calendar.waitFor({ state: 'detached' });
  const expected = `15${monthCodes[new Date().getMonth()]}`;
  await page.waitForFunction((text) => document.querySelector('[data-control="215"]').value === text, expected);

  // A double click on the date opens the calendar too; Escape leaves the date as it is.
  await page.locator('[data-control="215"]').dblclick();
  await calendar.waitFor();
  await page.keyboard.press('Escape');
  await calendar.waitFor({ state: 'detached' });
  await page.waitForFunction(() => [...document.querySelectorAll('[data-entry="answer"]')].length === 2);
  assert.equal(await page.inputValue('[data-control="215"]'), expected);
  await page.close();
});

test('a code lookup searches the table its field opened and the pick lands in the field', async () => {
  const page = await newPage();
  await openMaskAt(page, 'PNRCreationSSR', 296);
  await page.locator('[data-control="296"]').dblclick();
  const coder = page.locator('[role="dialog"][data-dialog="coder"]');
  await coder.waitFor();
  assert.match(await coder.locator('[data-coder-status]').textContent(), /country/i);
  await coder.locator('[data-coder-search]').fill('united states');
  await page.waitForSelector('[data-coder-results] option[data-code="US"]');
  await coder.locator('[data-coder-results]').evaluate((list) => {
    list.selectedIndex = [...list.options].findIndex((option) => option.dataset.code === 'US');
  });
  await coder.locator('[data-answer="ok"]').click();
  await coder.waitFor({ state: 'detached' });
  await page.waitForFunction(() => document.querySelector('[data-control="296"]').value === 'US');
  await page.close();
});

test('the creation masks\' dialogs answer in the words the masks take', async () => {
  const page = await newPage();
  await openMask(page, 'PNRCreationFax');
  const show = (kind) => page.evaluate((name) => window.quilletShowDialog(name), kind);

  const addpax = show('addpax');
  const form = page.locator('[role="dialog"][data-dialog="addpax"]');
  const row = (n, field) => form.locator(`[data-passenger="${n}"] [data-field="${field}"]`);
  await row(1, 'surname').fill('smith');
  await row(1, 'given').fill('john');
  await row(1, 'title').fill('mr');
  await row(1, 'marker').check();
  await row(2, 'surname').fill('lee');
  await row(2, 'given').fill('ann');
  await row(2, 'type').selectOption('1');
  await row(2, 'age').fill('5');
  await row(3, 'given').fill('alone');
  await form.locator('[data-answer="ok"]').click();
  assert.match(await form.locator('[data-form-fault]').textContent(), /Passenger 3: the surname is missing/);
  await row(3, 'given').fill('');
  await row(4, 'surname').fill('o,neil');
  await form.locator('[data-answer="ok"]').click();
  assert.match(await form.locator('[data-form-fault]').textContent(), /Passenger 4: "," and "="/);
  await row(4, 'surname').fill('');
  await form.locator('[data-answer="ok"]').click();
  assert.deepEqual(await addpax, { words: ['100000000', 'SMITH,JOHN,MR,0,,,,=LEE,ANN,,1,,05,,'] });

  const cases = [
    ['policy', { value1: 'p1', value2: 'ab' }, ['P1', 'AB']],
    ['doss', { surname: 'smith', given: 'john' }, ['SMITH', 'JOHN']],
    ['ffp', { card: '2' }, ['1']],
  ];
  for (const [kind, fields, words] of cases) {
    const answered = show(kind);
    const dialog = page.locator(`[role="dialog"][data-dialog="${kind}"]`);
    for (const [field, value] of Object.entries(fields)) await dialog.locator(`[data-field="${field}"]`).fill(value);
    await dialog.locator(`[data-field="${Object.keys(fields)[0]}"]`).press('Enter');
    assert.deepEqual(await answered, { words }, kind);
  }
  const card = page.evaluate(() => window.quilletShowDialog('ffp', { caption: 'Cards', lines: ['Which card?'], cards: ['LH 1', 'UA 2'] }));
  const cards = page.locator('[role="dialog"][data-dialog="ffp"]');
  assert.match(await cards.textContent(), /Which card\?/);
  await cards.locator('[data-field="card"]').selectOption('1');
  await cards.locator('[data-answer="ok"]').click();
  assert.deepEqual(await card, { words: ['1'] });
  const cancelled = show('doss');
  await page.locator('[data-dialog="doss"] [data-answer="cancel"]').click();
  assert.deepEqual(await cancelled, { cancel: true });
  assert.deepEqual(await events(page, 'Send'), [], 'nothing of it reached the mask');
  await page.close();
});
