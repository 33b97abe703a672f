// Many masks at once in one browser: 26 tabs, each with its own fax creation mask, all open
// together, typing and sending at the same time; each tab's Send reaches its own event log
// and no other. The pages run under the desk's Content-Security-Policy and break none of it.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { startDesk, waitUntil } from './desk.mjs';

const binary = process.env.QUILLET || new URL('../../build/bin/quillet', import.meta.url).pathname;
const kTabs = 26;
let desk;

before(async () => { desk = await startDesk(binary, {}, { enforceCsp: true }); });
after(async () => { assert.equal(await desk.stop(), 0, 'quillet serve exits 0 on SIGTERM'); });

test('26 tabs type and send at once, each into its own mask', async () => {
  const pages = [];
  const violations = [];
  for (let tab = 0; tab < kTabs; tab += 1) {
    const page = await desk.context.newPage();
    page.on('console', (message) => {
      if (/Content Security Policy/i.test(message.text())) violations.push(message.text());
    });
    await page.goto(new URL('/mask/PNRCreationFax', desk.address).href);
    pages.push(page);
  }
  // Every tab is live before any types: none waits on a connection another holds.
  await Promise.all(pages.map((page) => page.waitForSelector('[data-control="304"]')));
  const numbers = pages.map((_, tab) => `555${String(1000 + tab)}`);
  await Promise.all(pages.map(async (page, tab) => {
    await page.click('[data-control="304"]');
    await page.keyboard.type(numbers[tab], { delay: 5 });
    await page.keyboard.press('Enter');
  }));
  await Promise.all(pages.map((page, tab) => waitUntil(page, (number) => {
    const sent = [...document.querySelectorAll('[data-event-log] [data-event="Send"]')]
      .map((item) => JSON.parse(item.dataset.args)[0]);
    return sent.includes(`9 ${number}-F`);
  }, numbers[tab])));
  for (const [tab, page] of pages.entries()) {
    const sent = await page.$$eval('[data-event-log] [data-event="Send"]',
      (items) => items.map((item) => JSON.parse(item.dataset.args)[0]));
    assert.deepEqual(sent, [`9 ${numbers[tab]}-F`],
      `tab ${tab} shows its own Send only`);
  }
  assert.deepEqual(violations, [], 'the pages keep to the desk\'s policy');
  await Promise.all(pages.map((page) => page.close()));
});
