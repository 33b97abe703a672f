// Starts `quillet serve` on a free port with a fresh home, and a headless chromium signed in
// by a visit to the address the desk printed (address is the desk without the token).
import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { createInterface } from 'node:readline';
import { chromium } from 'playwright-core';

// home: a folder of an earlier desk to start on again (it is left in place at stop).
// The test tools' waitForFunction evaluates text in the page, which the desk's
// Content-Security-Policy forbids as it forbids any script but its own: the browser skips the
// policy unless enforceCsp (a test that checks the page under it, with waitUntil below).
export async function startDesk(binary, environment = {}, { home: given, enforceCsp = false } = {}) {
  const home = given || mkdtempSync(join(tmpdir(), 'quillet-web-'));
  const server = spawn(binary, ['serve', '--port', '0', '--home', join(home, 'home')], {
    env: { ...process.env, ...environment }, stdio: ['ignore', 'pipe', 'inherit'],
  });
  const printed = await new Promise((resolve, reject) => {
    const lines = createInterface({ input: server.stdout });
    lines.once('line', (line) => {
      const match = /^Quillet desk: ((http:\/\/\S+\/)\?token=(\S+))$/.exec(line);
      if (match) resolve({ signIn: match[1], base: match[2], token: match[3] });
      else reject(new Error(`unexpected first line: ${line}`));
    });
    server.once('exit', (code) => reject(new Error(`quillet serve ended with ${code}`)));
  });
  const profile = mkdtempSync(join(tmpdir(), 'quillet-chromium-'));
  const browser = await chromium.launchPersistentContext(profile, {
    bypassCSP: !enforceCsp,
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  const address = printed.base;
  const signIn = await browser.newPage();
  await signIn.goto(printed.signIn);
  await signIn.close();
  // Idempotent, so that a test's cleanup may stop a desk its body stopped already.
  let stopped;
  function stop() {
    stopped ??= stopNow();
    return stopped;
  }
  async function stopNow() {
    await browser.close();
    const exited = new Promise((resolve) => server.once('exit', (code) => resolve(code)));
    server.kill('SIGTERM');
    const code = await exited;
    if (!given) rmSync(home, { recursive: true, force: true });
    rmSync(profile, { recursive: true, force: true });
    return code;
  }
  // A request of the test itself, signed in as a script is.
  const api = (path, options = {}) => fetch(new URL(path, address),
    { ...options, headers: { ...options.headers, Authorization: `Bearer ${printed.token}` } });
  return { address, token: printed.token, signIn: printed.signIn, context: browser, stop, server, api };
}

// Goes to a mask's own page and waits until its dialog is drawn in the page's font.
export async function openMaskPage(page, desk, className, { timeout = 30000 } = {}) {
  await page.goto(new URL(`/mask/${className}`, desk.address).href);
  await page.waitForSelector('body[data-font-ready] #dialog [data-control]', { timeout });
}

// Polls fn(arg) in the page until it holds (within the page's own policy).
export async function waitUntil(page, fn, arg, timeout = 30000) {
  const deadline = Date.now() + timeout;
  while (!(await page.evaluate(fn, arg))) {
    if (Date.now() > deadline) throw new Error(`waited ${timeout} ms in vain`);
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
}
