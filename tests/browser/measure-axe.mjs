// Counts axe-core's critical and serious faults by rule over the desk page and every mask.
//   node tests/browser/measure-axe.mjs build/bin/quillet [high-contrast]
import { startDesk } from './desk.mjs';
import { axeFaults, markDialogNodes } from './axe.mjs';

const [binary = 'build/bin/quillet', mode = ''] = process.argv.slice(2);
const desk = await startDesk(binary);
const masks = (await (await desk.api('/api/desk')).json()).masks;
const page = await desk.context.newPage();
await page.goto(desk.address);
await page.evaluate((on) => localStorage.setItem('quillet.highContrast', on ? 'on' : 'off'), mode === 'high-contrast');
const counts = {};
for (const path of ['/', ...masks.map((className) => `/mask/${className}`)]) {
  await page.goto(new URL(path, desk.address).href);
  await page.waitForSelector(path === '/' ? 'a[data-mask]' : '#dialog [data-control]');
  await page.waitForTimeout(300);
  for (const fault of await markDialogNodes(page, await axeFaults(page))) {
    const key = `${fault.impact} ${fault.rule}${fault.rule === 'color-contrast' ? (fault.inDialog ? ' (mask colours)' : ' (desk)') : ''}`;
    counts[key] = (counts[key] || 0) + 1;
    if (process.env.VERBOSE && fault.rule !== "color-contrast") console.log(path, fault.rule, fault.html.slice(0, 160));
  }
}
console.log(counts);
await desk.stop();
