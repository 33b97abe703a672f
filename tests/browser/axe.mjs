// Runs axe-core on a page: the critical and serious faults it finds, each { rule, impact, targets }.
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';

const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

export async function axeFaults(page) {
  // Evaluated through the debugging protocol, so that the page's own policy need not allow it.
  await page.evaluate(axeSource);
  const violations = await page.evaluate(async () => (await window.axe.run(document, { resultTypes: ['violations'] })).violations);
  return violations
    .filter((violation) => violation.impact === 'critical' || violation.impact === 'serious')
    .flatMap((violation) => violation.nodes.map((node) => ({
      rule: violation.id, impact: violation.impact, target: node.target.join(' '),
      inDialog: false, html: node.html,
    })));
}

// Whether the node a fault names lies in the mask's dialog (the colours the mask sets).
export async function markDialogNodes(page, faults) {
  for (const fault of faults) {
    fault.inDialog = await page.evaluate((selector) => {
      const node = document.querySelector(selector);
      return Boolean(node && node.closest('.dialog'));
    }, fault.target);
  }
  return faults;
}
