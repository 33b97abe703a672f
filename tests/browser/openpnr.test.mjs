// A mask of the open PNR in the web desk, against its simulated host: the passenger mask asks
// the host for the PNR's passengers ("%%JX PAX") when it shows, lists the demo PNR's
// passengers once the reply is in, fills the name of the chosen one, and sends the name change
// and the received-from text.
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

const valueOf = (page, id) => page.$eval(`[data-control="${id}"]`, (node) => node.value);

test('the passenger mask lists the demo PNR\'s passengers from the host and sends the change', async () => {
  const page = await desk.context.newPage();
  await page.goto(desk.address);
  await page.click('a[data-mask="PNRModificationPassenger"]');
  const list = page.locator('[data-control="863"]');
  await list.waitFor({ state: 'visible' });
  // Asked for once, answered with the demo PNR's reply; the list replaces the name number.
  assert.deepEqual(await events(page, 'SendCommand'), [['%%JX PAX']]);
  assert.match(await page.textContent('[data-host-log]'), /> %%JX PAX/);
  assert.deepEqual(await list.evaluate((node) => [...node.options].map((o) => o.text)), ['', '1.1']);
  assert.equal(await page.isVisible('[data-control="557"]'), false);

  await list.selectOption({ index: 1 });
  await page.waitForFunction(() => document.querySelector('[data-control="564"]').value === 'SMITH');
  assert.equal(await valueOf(page, '559'), 'JOHN');
  assert.equal(await valueOf(page, '561'), 'MR');

  await page.fill('[data-control="559"]', 'JAMES');
  await page.fill('[data-control="569"]', 'PAX');
  await page.click('[data-control="223"]');
  await page.waitForFunction(() => document.querySelectorAll('[data-event-log] [data-event="Send"]').length === 2);
  assert.deepEqual(await events(page, 'Send'), [['-1.1\\u00A4JAMESMR'], ['6PAX']]);
  assert.match(await page.textContent('[data-host-log]'), /> 6PAX/);
  await page.check('#developer-view');  // the whiteboard pane is the developer view's
  await page.waitForSelector('[data-whiteboard] [data-section="PNR.MODIFICATION.PASSENGER"]');
  assert.match(await page.textContent('[data-whiteboard]'), /GIVENNAME\s*JAMES/);
  await page.close();
});

test('the e-mail modification mask asks the desktop for the PNR and offers its passengers', async () => {
  const page = await desk.context.newPage();
  await page.goto(new URL('/mask/PNRModificationEmail', desk.address).href);
  const list = page.locator('[data-control="656"]');
  await list.waitFor({ state: 'visible' });
  assert.deepEqual(await list.evaluate((node) => [...node.options].map((o) => o.text)),
    ['', '1.1 - SMITH/JOHN MR']);
  assert.equal(await page.isVisible('[data-control="556"]'), false);

  await list.selectOption({ index: 1 });
  await page.fill('[data-control="565"]', '4');
  await page.fill('[data-control="572"]', 'JOHN_SMITH@EXAMPLE.COM');
  await page.click('[data-control="223"]');
  await page.waitForSelector('[data-event-log] [data-event="Send"]');
  assert.deepEqual(await events(page, 'Send'),
    [['PE4\\u00A4\\u00A5JOHN==SMITH@EXAMPLE.COM\\u00A5-1.1']]);
  await page.close();
});
