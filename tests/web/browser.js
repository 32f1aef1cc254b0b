// The page's local server and headless chromium, for the page test and the benchmark. Both
// are started here and ended by their process ids when the run ends, whichever way it ends.
'use strict';

const {spawn} = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const puppeteer = require('puppeteer-core');

// Debian's chromium, headless, drawing WebGL in software. The closed network of a test machine
// refuses its background connections, so they are turned off.
const chromiumFlags = [
  '--no-sandbox', '--no-zygote', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
  '--disable-quic', '--no-first-run', '--disable-background-networking',
  '--disable-component-update', '--disable-sync',
];

// Process ids to end; chromium leads a process group of its own with its helpers, which is
// ended as a whole (a negative id).
const running = new Set();

function endProcess(id) {
  try {
    process.kill(id, 'SIGKILL');
  } catch (gone) {
    // it has ended already
  }
}

// Should the run be ended from outside (a test time-out), its processes end with it.
process.on('exit', () => running.forEach(endProcess));
for (const signal of ['SIGINT', 'SIGTERM']) {
  process.on(signal, () => process.exit(1));
}

// Python's server on a free port of 127.0.0.1, as scripts/web.sh serves the page.
function startServer(folder) {
  const server = spawn('python3', ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1',
                                   '--directory', folder], {stdio: ['ignore', 'pipe', 'ignore']});
  running.add(server.pid);
  return new Promise((resolve, reject) => {
    let said = '';
    server.stdout.on('data', chunk => {
      said += chunk;
      const port = /port (\d+)/.exec(said);
      if (port) {
        resolve({url: `http://127.0.0.1:${port[1]}/`, pid: server.pid});
      }
    });
    server.on('exit', () => reject(new Error(`the HTTP server ended: ${said}`)));
    setTimeout(() => reject(new Error('the HTTP server named no port within 10 s')), 10000).unref();
  });
}

async function launchBrowser() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'konika-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium', headless: true, userDataDir: profile,
    args: chromiumFlags, defaultViewport: {width: 1280, height: 1600}, protocolTimeout: 60000,
  });
  running.add(-browser.process().pid);
  return {browser, profile};
}

// Runs body({browser, url}) with the page's folder served and chromium open, then ends both.
async function withBrowser(folder, body) {
  const server = await startServer(folder);
  let launched = null;
  try {
    launched = await launchBrowser();
    return await body({browser: launched.browser, url: server.url});
  } finally {
    if (launched) {
      const group = -launched.browser.process().pid;
      await Promise.race([launched.browser.close(),
                          new Promise(done => setTimeout(done, 5000).unref())]);
      endProcess(group);
      running.delete(group);
      fs.rmSync(launched.profile, {recursive: true, force: true});
    }
    endProcess(server.pid);
    running.delete(server.pid);
  }
}

// Run in the page: the box of the curve's pure red in the canvas's drawing buffer (maxX -1 when
// there is none, or the canvas is hidden); topX: where its highest row first has the red.
function redInCanvas() {
  const canvas = document.getElementById('canvas');
  const box = {minX: canvas.width, minY: canvas.height, maxX: -1, maxY: -1, topX: -1};
  if (canvas.classList.contains('empty')) {
    return box;
  }
  const copy = document.createElement('canvas');
  copy.width = canvas.width;
  copy.height = canvas.height;
  const context = copy.getContext('2d');
  context.drawImage(canvas, 0, 0);
  const pixels = context.getImageData(0, 0, copy.width, copy.height).data;
  for (let i = 0; i < pixels.length; i += 4) {
    if (pixels[i] === 255 && pixels[i + 1] === 0 && pixels[i + 2] === 0) {
      const x = (i / 4) % copy.width;
      const y = Math.floor(i / 4 / copy.width);
      box.topX = box.maxY < 0 ? x : box.topX;
      box.minX = Math.min(box.minX, x);
      box.minY = Math.min(box.minY, y);
      box.maxX = Math.max(box.maxX, x);
      box.maxY = Math.max(box.maxY, y);
    }
  }
  return box;
}

function redBox(page) {
  return page.evaluate(redInCanvas);
}

// Waits until the canvas shows some of the curve's red; returns the page's clock then, in
// milliseconds since the navigation started.
async function waitForRed(page, timeout) {
  const found = await page.waitForFunction(`(${redInCanvas})().maxX >= 0 && performance.now()`,
                                           {polling: 'raf', timeout});
  return found.jsonValue();
}

// The median and the range of the benchmarks' times, in milliseconds.
function summary(times) {
  const sorted = [...times].sort((a, b) => a - b);
  const median = sorted[Math.floor(sorted.length / 2)];
  return `median ${Math.round(median)} ms (${Math.round(sorted[0])} to ` +
         `${Math.round(sorted[sorted.length - 1])})`;
}

module.exports = {withBrowser, waitForRed, redBox, summary};
