// Takes the README's pictures of the web desk: a mask open, a value sent, the event log, the
// host pane and the whiteboard beside it; the individual creation mask at 1400x900; the desk
// page with the journal of what was sent; the workspace with two masks open as panels, the host
// pane holding a typed entry and the journal holding entries.
//   node tests/browser/screenshot.mjs build/bin/quillet docs/web-desk.png
import { startDesk } from './desk.mjs';

const [binary = 'build/bin/quillet', output = 'docs/web-desk.png'] = process.argv.slice(2);
const desk = await startDesk(binary);
const page = await desk.context.newPage();
await page.setViewportSize({ width: 1100, height: 560 });
await page.goto(new URL('/mask/PNRCreationFax', desk.address).href);
await page.waitForSelector('body[data-font-ready] #dialog [data-control="304"]');
await page.check('#developer-view');
await page.click('[data-control="304"]');
await page.keyboard.type('555-1234');
await page.keyboard.press('Enter');
await page.waitForSelector('[data-event="Send"]');
await page.waitForSelector('[data-section]');
await page.keyboard.press('Backspace');
await page.keyboard.type('*');
await page.keyboard.press('Enter');
await page.waitForSelector('[role="alertdialog"]');
await page.screenshot({ path: output });
await page.click('[role="alertdialog"] button');

const fit = await desk.context.newPage();
await fit.setViewportSize({ width: 1400, height: 900 });
await fit.goto(new URL('/mask/PNRCreationFIT', desk.address).href);
await fit.waitForSelector('body[data-font-ready] #dialog [data-control]');
await fit.screenshot({ path: output.replace(/\.png$/, '-fit.png') });

const journal = await desk.context.newPage();
await journal.setViewportSize({ width: 1400, height: 900 });
await journal.goto(desk.address);
await journal.waitForSelector('[data-journal] > [data-entry]');
await journal.screenshot({ path: output.replace(/\.png$/, '-journal.png') });

const work = await desk.context.newPage();
await work.setViewportSize({ width: 1400, height: 900 });
await work.goto(desk.address);
await work.waitForSelector('a[data-mask]');
if (await work.isChecked('#developer-view')) await work.uncheck('#developer-view');
await work.fill('#host-entry', 'IG');
await work.press('#host-entry', 'Enter');
await work.waitForSelector('[data-host-terminal] li');
await work.click('a[data-mask="PNRCreationEmail"]');
await work.waitForSelector('[data-panel] [data-control="306"]');
await work.waitForFunction(() => document.activeElement?.dataset.control === '306');
await work.keyboard.type('ann@host.test');
await work.keyboard.press('Enter');
await work.waitForSelector('[data-panel] [data-event="Send"]');
await work.fill('#mask-search', 'fax');
await work.click('a[data-mask="PNRCreationFax"]');
await work.waitForFunction(() => document.querySelectorAll('[data-panel] [data-control="304"]').length === 1);
await work.waitForFunction(() => document.activeElement?.dataset.control === '304');
await work.keyboard.type('5551234');
await work.waitForSelector('[data-panel]:not([hidden]) [data-preview][data-kind="command"]');
await work.waitForFunction(() => document.querySelectorAll('[data-journal] > [data-entry]').length >= 3);
await work.screenshot({ path: output.replace(/\.png$/, '-workspace.png') });
await desk.stop();
