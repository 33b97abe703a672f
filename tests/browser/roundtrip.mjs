// A keystroke's round trip through the web desk, driven as the page drives it: the action is
// posted, and the time runs until the mask's stream carries the state with the changed control.
//   node tests/browser/roundtrip.mjs build/bin/quillet [KEYSTROKES]
import { spawn } from 'node:child_process';
import http from 'node:http';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { createInterface } from 'node:readline';

const binary = process.argv[2] || 'build/bin/quillet';
const keystrokes = Number(process.argv[3] || 2000);
const home = mkdtempSync(join(tmpdir(), 'quillet-bench-'));
const server = spawn(binary, ['serve', '--port', '0', '--home', join(home, 'home')],
  { stdio: ['ignore', 'pipe', 'inherit'] });
const address = await new Promise((resolve) => {
  createInterface({ input: server.stdout }).once('line', (line) => resolve(line.replace('Quillet desk: ', '')));
});
const url = new URL(address);
const agent = new http.Agent({ keepAlive: true, maxSockets: 4 });

function request(method, path, body) {
  return new Promise((resolve, reject) => {
    const call = http.request({ host: url.hostname, port: url.port, method, path, agent,
      headers: { 'Content-Type': 'application/json' } }, (response) => {
      let text = '';
      response.on('data', (chunk) => { text += chunk; });
      response.on('end', () => resolve({ status: response.statusCode, text }));
    });
    call.on('error', reject);
    call.end(body === undefined ? undefined : JSON.stringify(body));
  });
}

const page = await request('GET', '/mask/PNRCreationFax');
const instance = /data-instance="([0-9a-f]+)"/.exec(page.text)[1];

// The page's stream: each state, parsed, goes to whoever waits for it.
let waiting = null;
let buffer = '';
http.get({ host: url.hostname, port: url.port, path: `/api/mask/${instance}/stream` }, (response) => {
  response.setEncoding('utf8');
  response.on('data', (chunk) => {
    buffer += chunk;
    for (let end = buffer.indexOf('\n\n'); end >= 0; end = buffer.indexOf('\n\n')) {
      const message = buffer.slice(0, end);
      buffer = buffer.slice(end + 2);
      const data = message.split('\n').find((line) => line.startsWith('data: '));
      if (data && waiting) waiting(JSON.parse(data.slice(6)));
    }
  });
});

function fieldText(state) {
  return state.dialog.controls.find((control) => control.id === 304).text;
}

async function keystroke(text, expected) {
  const shown = new Promise((resolve) => {
    waiting = (state) => { if (fieldText(state) === expected) { waiting = null; resolve(); } };
  });
  const started = process.hrtime.bigint();
  const answer = request('POST', `/api/mask/${instance}/act`, text === null
    ? { do: 'edit', control: 304, start: 0, end: 40, text: '' }
    : { do: 'edit', control: 304, start: expected.length - 1, end: expected.length - 1, text });
  await shown;
  const elapsed = Number(process.hrtime.bigint() - started) / 1e6;
  await answer;
  return elapsed;
}

await new Promise((resolve) => setTimeout(resolve, 200));
const times = [];
let value = '';
for (let count = 0; count < keystrokes + 200; count += 1) {
  let elapsed;
  if (value.length === 40) {
    value = '';
    elapsed = await keystroke(null, '');
  } else {
    value += String(count % 10);
    elapsed = await keystroke(String(count % 10), value);
  }
  if (count >= 200) times.push(elapsed);  // the first ones warm up
}
times.sort((a, b) => a - b);
const at = (share) => times[Math.min(times.length - 1, Math.floor(share * times.length))];
console.log(`keystroke round trip over ${times.length} keystrokes: median ${at(0.5).toFixed(2)} ms, ` +
  `p99 ${at(0.99).toFixed(2)} ms, max ${times[times.length - 1].toFixed(2)} ms`);
agent.destroy();
server.kill('SIGTERM');
await new Promise((resolve) => server.once('exit', resolve));
rmSync(home, { recursive: true, force: true });
process.exit(at(0.99) < 5 ? 0 : 1);
