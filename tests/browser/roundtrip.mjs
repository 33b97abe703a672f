// A keystroke's round trip through the web desk, driven as the page drives it: the action goes
// over the page's WebSocket, and the time runs until the socket carries the state with the
// changed control. Measured with 1 mask open, with 5 open as panels of one page (watched
// through that page's one socket), with 26 open (each watched by a socket of its
// own, as 26 tabs), and with 64 slow HTTP connections and 64 idle WebSockets held by other
// clients meanwhile.
//   node tests/browser/roundtrip.mjs build/bin/quillet [KEYSTROKES]
import { spawn } from 'node:child_process';
import http from 'node:http';
import net from 'node:net';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { createInterface } from 'node:readline';
import { openSocket } from './socket.mjs';

const binary = process.argv[2] || 'build/bin/quillet';
const keystrokes = Number(process.argv[3] || 2000);
const home = mkdtempSync(join(tmpdir(), 'quillet-bench-'));
const server = spawn(binary, ['serve', '--port', '0', '--home', join(home, 'home')],
  { stdio: ['ignore', 'pipe', 'inherit'] });
const printed = await new Promise((resolve) => {
  createInterface({ input: server.stdout }).once('line', (line) => resolve(line.replace('Quillet desk: ', '')));
});
const url = new URL(printed);
const token = url.searchParams.get('token');
const origin = `http://${url.host}`;
const agent = new http.Agent({ keepAlive: true, maxSockets: 4 });

function request(method, path, body) {
  return new Promise((resolve, reject) => {
    const headers = { Authorization: `Bearer ${token}`, ...(body ? { 'Content-Type': 'application/json' } : {}) };
    const call = http.request({ host: url.hostname, port: url.port, method, path, agent, headers }, (response) => {
      let text = '';
      response.on('data', (chunk) => { text += chunk; });
      response.on('end', () => resolve({ status: response.statusCode, text }));
    });
    call.on('error', reject);
    call.end(body);
  });
}

async function openMask() {
  const page = await request('GET', '/mask/PNRCreationFax');
  return /data-instance="([0-9a-f]+)"/.exec(page.text)[1];
}

// A page: its socket watching one instance; each state goes to whoever waits for it.
async function openPage(localAddress) {
  const instance = await openMask();
  const socket = await openSocket({ host: url.hostname, port: Number(url.port), token, origin, localAddress });
  const page = { instance, socket, waiting: null, seq: 1 };
  socket.onmessage = (text) => {
    const message = JSON.parse(text);
    if (message.type === 'state' && message.id === page.instance && page.waiting) page.waiting(message.state);
  };
  const first = new Promise((resolve) => { page.waiting = resolve; });
  socket.send(JSON.stringify({ type: 'watch', id: instance }));
  await first;
  page.waiting = null;
  return page;
}

function fieldText(state) {
  return state.dialog.controls.find((control) => control.id === 304).text;
}

async function keystroke(page, text, expected) {
  const shown = new Promise((resolve) => {
    page.waiting = (state) => { if (fieldText(state) === expected) { page.waiting = null; resolve(); } };
  });
  const started = process.hrtime.bigint();
  const action = text === null
    ? { do: 'edit', control: 304, start: 0, end: 40, text: '' }
    : { do: 'edit', control: 304, start: expected.length - 1, end: expected.length - 1, text };
  page.socket.send(JSON.stringify({ type: 'act', id: page.instance, seq: page.seq++, action }));
  await shown;
  return Number(process.hrtime.bigint() - started) / 1e6;
}

async function measure(page, count) {
  const times = [];
  let value = '';
  await keystroke(page, null, '');  // from an empty field
  for (let at = 0; at < count + 200; at += 1) {
    let elapsed;
    if (value.length === 40) {
      value = '';
      elapsed = await keystroke(page, null, '');
    } else {
      value += String(at % 10);
      elapsed = await keystroke(page, String(at % 10), value);
    }
    if (at >= 200) times.push(elapsed);  // the first ones warm up
  }
  times.sort((a, b) => a - b);
  const share = (part) => times[Math.min(times.length - 1, Math.floor(part * times.length))];
  return { p50: share(0.5), p99: share(0.99), max: times[times.length - 1], count: times.length };
}

function report(what, figures) {
  console.log(`keystroke round trip, ${what}, over ${figures.count} keystrokes: median ` +
    `${figures.p50.toFixed(2)} ms, p99 ${figures.p99.toFixed(2)} ms, max ${figures.max.toFixed(2)} ms`);
}

// HTTP connections that send a header a byte at a time and are opened anew when the desk
// cuts them off, so that 64 are always held.
function holdSlowConnections(count, localAddress) {
  const held = new Set();
  let stopping = false;
  const open = () => {
    if (stopping) return;
    const socket = net.connect({ host: url.hostname, port: Number(url.port), localAddress });
    held.add(socket);
    socket.on('connect', () => socket.write(`GET / HTTP/1.1\r\nHost: ${url.host}\r\nX-Slow: `));
    const drip = setInterval(() => socket.write('a'), 1000);
    socket.on('error', () => {});
    socket.on('close', () => { clearInterval(drip); held.delete(socket); open(); });
  };
  for (let at = 0; at < count; at += 1) open();
  return () => { stopping = true; for (const socket of held) socket.destroy(); };
}

await new Promise((resolve) => setTimeout(resolve, 200));
const first = await openPage();
const one = await measure(first, keystrokes);
report('1 mask open', one);

// Four more masks as panels of the same page: opened as the workspace opens them, watched
// through the page's socket.
const panels = [];
for (let at = 1; at < 5; at += 1) {
  const { id } = JSON.parse((await request('POST', '/api/open', JSON.stringify({ mask: 'PNRCreationFax' }))).text);
  first.socket.send(JSON.stringify({ type: 'watch', id }));
  panels.push(id);
}
report('5 masks open as panels of one page', await measure(first, keystrokes));
for (const id of panels) first.socket.send(JSON.stringify({ type: 'close', id }));

const others = [];
for (let at = 1; at < 26; at += 1) others.push(await openPage());
report('26 masks open', await measure(first, keystrokes));

const stopSlow = holdSlowConnections(64, '127.0.0.2');
const idle = [];
for (let at = 0; at < 64; at += 1) {
  idle.push(await openSocket({ host: url.hostname, port: Number(url.port), token, origin, localAddress: '127.0.0.3' }));
}
await new Promise((resolve) => setTimeout(resolve, 500));
report('64 slow connections and 64 idle WebSockets held', await measure(first, Math.min(keystrokes, 1000)));
stopSlow();
for (const socket of idle) socket.close();

for (const page of [first, ...others]) page.socket.close();
agent.destroy();
server.kill('SIGTERM');
await new Promise((resolve) => server.once('exit', resolve));
rmSync(home, { recursive: true, force: true });
process.exit(one.p99 < 5 ? 0 : 1);
