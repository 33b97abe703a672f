// Takes the README's picture of the web desk: a mask open, a value sent, the event log, the
// host pane and the whiteboard beside it.
//   node tests/browser/screenshot.mjs build/bin/quillet docs/web-desk.png
import { startDesk } from './desk.mjs';

const [binary = 'build/bin/quillet', output = 'docs/web-desk.png'] = process.argv.slice(2);
const desk = await startDesk(binary);
const page = await desk.context.newPage();
await page.setViewportSize({ width: 1100, height: 560 });
await page.goto(desk.address);
await page.click('a[data-mask="PNRCreationFax"]');
await page.waitForSelector('[data-control="304"]');
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
await desk.stop();
