// The creation masks that ask the host for the agent's data and take passengers from the Add
// Passenger control, in the web desk: the individual creation takes a traveller from the DOSS
// form, its preview names the host request,
// Send asks the simulated host ("%%JX AIT") and fires the creation command with its reply;
// the group creation sends its command; both take travellers from the page's Add Passenger
// form. The add-passenger mask shows the hosted control as a form of the page whose Finish and
// Cancel end in the mask's Send or Cancel.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { startDesk } from './desk.mjs';

const binary = process.env.QUILLET || new URL('../../build/bin/quillet', import.meta.url).pathname;
let desk;

before(async () => { desk = await startDesk(binary, { QUILLET_WEB_GRACE_MS: '1000' }); });
after(async () => { assert.equal(await desk.stop(), 0, 'quillet serve exits 0 on SIGTERM'); });

async function events(page, name) {
  return page.$$eval(`[data-event-log] [data-event="${name}"]`,
    (items) => items.map((item) => JSON.parse(item.dataset.args)));
}

async function openMask(page, className, control) {
  await page.goto(new URL(`/mask/${className}`, desk.address).href);
  await page.waitForSelector(`[data-control="${control}"]`);
}

// Fills passenger rows of an add-passenger form: [surname, given, title, type, others].
async function fillPassengers(form, rows) {
  for (const [index, [surname, given, title, type, others]] of rows.entries()) {
    const field = (name) => form.locator(`[data-passenger="${index + 1}"] [data-field="${name}"]`);
    await field('surname').fill(surname);
    await field('given').fill(given);
    if (title) await field('title').fill(title);
    if (type) await field('type').selectOption(type);
    if (others) await field('others').fill(others);
  }
}

async function addPassengers(page, rows) {
  await page.click('[data-control="225"]');
  const form = page.locator('[role="dialog"][data-dialog="addpax"]');
  await form.waitFor();
  await fillPassengers(form, rows);
  await form.locator('[data-answer="ok"]').click();
  await form.waitFor({ state: 'detached' });
}

async function type(page, control, text) {
  await page.click(`[data-control="${control}"]`);
  await page.keyboard.type(text);
  await page.waitForFunction(([id, value]) => document.querySelector(`[data-control="${id}"]`).value === value,
    [control, text.toUpperCase()]);
}

test('the individual creation asks the host for the agent data and sends with the added passengers', async () => {
  const page = await desk.context.newPage();
  await openMask(page, 'PNRCreationFIT', 183);
  // Row 1's lookup takes a traveller from the DOSS form into the row.
  await page.click('[data-control="187"]');
  const doss = page.locator('[role="dialog"][data-dialog="doss"]');
  await doss.locator('[data-field="surname"]').fill('smith');
  await doss.locator('[data-field="given"]').fill('john');
  await doss.locator('[data-answer="ok"]').click();
  await page.waitForFunction(() => document.querySelector('[data-control="193"]').value === 'JOHN');
  assert.equal(await page.inputValue('[data-control="183"]'), 'SMITH');
  await type(page, 195, 'mr');
  await page.waitForFunction(() => document.getElementById('preview').textContent.includes('Enter the phone number.'));
  await type(page, 415, '5551234');
  // The preview says that Send would ask the host first, and what it sends then.
  await page.waitForSelector('#preview[data-kind="request"]');
  assert.match(await page.textContent('#preview'), /^asks the host for agent data, then sends -SMITH\/JOHNMR/);

  await addPassengers(page, [['lee', 'bo', 'mr'], ['kim', 'su', '', '3', 'yth']]);
  assert.deepEqual(await events(page, 'Send'), [], 'the dialog sends nothing');
  await page.click('[data-control="415"]');
  await page.keyboard.press('Enter');
  await page.waitForSelector('[data-event-log] [data-event="Send"]');
  assert.deepEqual(await events(page, 'SendCommand'), [['%%JX AIT']]);
  const host = await page.textContent('[data-host-log]');
  assert.match(host, /> %%JX AIT/);
  assert.match(host, /< <\?xml/, 'the host answered the request');
  const [sent] = await events(page, 'Send');
  assert.equal(sent.length, 1);
  assert.equal(sent[0], '-SMITH/JOHNMR\\u00A7-LEE/BOMR\\u00A7-KIM/SU|9 QUILLET TRAVEL 5551234-A' +
    '\\u00A77TAW/|W-QUILLET TRAVEL\\u00A512 HARBOUR STREET\\u00A5SUITE 4\\u00A5SINGAPORE 049315' +
    '\\u00A5TEL 65 6123 4567|PDTYTH-3.1|*A');
  // The whiteboard pane is the developer view's.
  assert.equal(await page.isVisible('[data-whiteboard]'), false);
  await page.check('#developer-view');
  await page.waitForSelector('[data-whiteboard] [data-section="PNR.CREATION.FIT"]');
  await page.close();
});

test('the group creation sends its command with the passengers of the Add Passenger form', async () => {
  const page = await desk.context.newPage();
  await openMask(page, 'PNRCreationGIT', 462);
  await page.selectOption('[data-control="462"]', { index: 1 });
  await type(page, 464, 'sq');
  await type(page, 497, '3');
  await type(page, 466, 'tour');
  await type(page, 215, '15mar');
  await type(page, 409, 'mr lee');
  await type(page, 415, '5551234');
  await addPassengers(page, [['smith', 'john', 'mr'], ['tan', 'mei', 'miss']]);
  await page.click('[data-control="223"]');
  await page.waitForSelector('[data-event-log] [data-event="Send"]');
  assert.deepEqual(await events(page, 'Send'), [[
    '-C/SQ/3TOUR|-SMITH/JOHNMR\\u00A7-TAN/MEIMISS|9 QUILLET TRAVEL 5551234-A\\u00A77TAW15MAR/' +
    '\\u00A76MR LEE|W-QUILLET TRAVEL\\u00A512 HARBOUR STREET\\u00A5SUITE 4\\u00A5SINGAPORE 049315' +
    '\\u00A5TEL 65 6123 4567|*A']]);
  await page.close();
});

test('the add-passenger mask shows the hosted control as a form: Finish sends, Cancel cancels', async () => {
  const page = await desk.context.newPage();
  await openMask(page, 'CreateAddPax', 853);
  const form = page.locator('[data-control="853"] form[data-hosted="AddPax"]');
  await form.waitFor();
  await fillPassengers(form, [['smith', 'john', 'mr'], ['lee', 'ann', 'ms', '3', 'zzz']]);
  await form.locator('[data-passenger="1"] [data-field="customer"]').fill('c123');
  await form.locator('[data-passenger="1"] [data-field="marker"]').check();
  // Enter in a field finishes, as the form's default button.
  await form.locator('[data-passenger="2"] [data-field="given"]').press('Enter');
  await page.waitForSelector('[data-event-log] [data-event="Send"]');
  assert.deepEqual(await events(page, 'Send'),
    [['-SMITH/JOHNMR\\u00A7-LEE/ANNMS|PDTZZZ-2.1|50/NAMEREF,SMITH/JOHNMR-C123']]);

  // A row the form cannot take is reported in the form; nothing reaches the mask.
  await form.locator('[data-passenger="3"] [data-field="given"]').fill('alone');
  await form.locator('[data-hosted-action="finish"]').click();
  assert.match(await form.locator('[data-form-fault]').textContent(), /Passenger 3: the surname is missing/);
  await form.locator('[data-hosted-action="cancel"]').click();
  await page.waitForSelector('[data-event-log] [data-event="Cancel"]');
  assert.equal((await events(page, 'Send')).length, 1);
  assert.deepEqual(await events(page, 'Cancel'), [[]]);
  await page.close();
});

test('with the back office switched on, a row\'s lookup asks the simulated back office', async () => {
  const page = await desk.context.newPage();
  await page.goto(desk.address);
  await page.waitForSelector('a[data-mask="PNRCreationFIT"]');
  const switched = page.waitForResponse((response) => response.url().endsWith('/api/desk') &&
    response.request().method() === 'POST');
  await page.check('#back-office');
  assert.equal((await (await switched).json()).backOffice, true);
  try {
    await openMask(page, 'PNRCreationFIT', 187);
    await page.click('[data-control="187"]');
    // The record comes back through receivedFrom and fills the row and, from its later
    // fields, the contact person.
    await page.waitForFunction(() => document.querySelector('[data-control="183"]').value === 'TAN');
    assert.deepEqual(await events(page, 'SendTo'), [['FIT', 'CP', '1']]);
    assert.match(await page.textContent('[data-host-log]'), /< receivedFrom CP FIT 1TAN AH KOW\\MR/);
    assert.equal(await page.inputValue('[data-control="193"]'), 'AH KOW');
    assert.equal(await page.inputValue('[data-control="195"]'), 'MR');
    assert.equal(await page.inputValue('[data-control="475"]'), 'LIM MEI LING');
  } finally {
    await page.goto(desk.address);
    await page.uncheck('#back-office');
    await page.waitForFunction(async () => (await (await fetch('/api/desk')).json()).backOffice === false);
  }
  await page.close();
});
