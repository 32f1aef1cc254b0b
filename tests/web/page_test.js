// The page in a real browser against the native program. For each example the page's text must
// be konika's console transcript byte for byte, and the red curve on the canvas must stand
// where konika's window first shows it (the bounding box within 3 pixels); a left drag moves
// the picture as it moves in the window; an address with a word that is not a number shows the
// reading's message; r brings back the first view and s offers the picture as a download; g
// prints and draws the elements of the curve shown, as in the window; nothing reaches the browser's console as an error.
//
//   node page_test.js PAGE_FOLDER KONIKA HEADLESS_SCRIPT CORPUS_FOLDER
//
// The native run goes through HEADLESS_SCRIPT (scripts/headless.sh), which gives konika's
// transcript and a PNG of its window. Then every input of the fuzzing's seed corpus, from the
// refused words to the overflows, is typed to the page's entry as it stands and must give the
// console's text, and a picture where konika opens its window.
'use strict';

const {execFileSync, spawnSync} = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const {withBrowser, waitForRed} = require('./browser');
const {checkScreens} = require('./page_screens');

const [pageFolder, konika, headless, corpus] = process.argv.slice(2);

// The first is opened from the address, the others typed into the fields of the same page.
const examples = [
  {name: 'ellipse', typed: ['1', '0', '4', '0', '0', '-4']},
  {name: 'turned and moved ellipse', typed: ['5', '4', '8', '-32', '-56', '80']},
  {name: 'hyperbola', typed: ['1', '0', '-4', '0', '0', '-4']},
  {name: 'parabola', typed: ['0', '0', '1', '-4', '0', '0']},
  {name: 'imaginary ellipse', typed: ['1', '0', '1', '0', '0', '1']},
];

const failures = [];
function expect(holds, what) {
  if (!holds) {
    failures.push(what);
  }
}

const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'konika-page-test-'));

// konika on a virtual display with the numbers typed and the keys pressed once its window is
// shown: its transcript and, when it opens its window, the PNG of the window's picture, which the
// script has konika save and names on a last line of its own.
function nativeRun(typed, keys) {
  const run = spawnSync(headless, ['picture', '--keys', keys, konika, scratch],
                        {input: typed.join('\n') + '\n', timeout: 60000});
  if (run.status === 3) {
    return {transcript: run.stdout, picture: null};
  }
  const named = /Picture of the window: (.*)\n$/.exec(run.stdout.toString());
  if (run.status !== 0 || !named) {
    throw new Error(`konika on ${typed.join(' ')}: status ${run.status}, ${run.stderr}`);
  }
  const picture = fs.readFileSync(named[1]);
  fs.rmSync(named[1]);
  return {transcript: run.stdout.subarray(0, run.stdout.length - Buffer.byteLength(named[0])),
          picture};
}

// The boxes of two colors in a PNG: the curve's pure red, and the dark purple of the curve's
// elements (0.5 of red and blue, which renderers round either way); count 0 when there are none.
function colorBoxes(png) {
  const width = png.readUInt32BE(16);
  const height = png.readUInt32BE(20);
  const rgb = execFileSync('convert', ['png:-', '-depth', '8', 'rgb:-'],
                           {input: png, maxBuffer: 4 * width * height});
  const empty = () => ({minX: width, minY: height, maxX: -1, maxY: -1, count: 0});
  const boxes = {width, height, red: empty(), purple: empty()};
  const widen = (box, x, y) => {
    box.minX = Math.min(box.minX, x);
    box.minY = Math.min(box.minY, y);
    box.maxX = Math.max(box.maxX, x);
    box.maxY = Math.max(box.maxY, y);
    box.count += 1;
  };
  for (let y = 0; y < height; ++y) {
    for (let x = 0; x < width; ++x) {
      const [r, g, b] = rgb.subarray(3 * (y * width + x), 3 * (y * width + x) + 3);
      if (r === 255 && g === 0 && b === 0) {
        widen(boxes.red, x, y);
      } else if ((r === 127 || r === 128) && g === 0 && b === r) {
        widen(boxes.purple, x, y);
      }
    }
  }
  return boxes;
}

function shown(box) {
  return `(${box.minX}, ${box.minY})-(${box.maxX}, ${box.maxY})`;
}

function centreX(box) {
  return (box.minX + box.maxX) / 2;
}

function centreY(box) {
  return (box.minY + box.maxY) / 2;
}

// The canvas's drawing buffer as a PNG: what it draws, whether or not the browser has shown it
// yet, and without scrolling the page as a screenshot may.
async function canvasBoxes(page) {
  const picture = await page.$eval('#canvas', canvas => canvas.toDataURL('image/png'));
  return colorBoxes(Buffer.from(picture.slice(picture.indexOf(',') + 1), 'base64'));
}

// Both without the color, or both with it and their boxes within so many pixels.
function sameBox(box, expected, pixels) {
  if (box.count === 0 || expected.count === 0) {
    return box.count === expected.count;
  }
  return ['minX', 'minY', 'maxX', 'maxY'].every(
      side => Math.abs(box[side] - expected[side]) <= pixels);
}

// The next two animation frames: the first draws what the last event asked for.
function frames(page) {
  return page.evaluate(() => new Promise(done => {
    requestAnimationFrame(() => requestAnimationFrame(done));
  }));
}

async function pageText(page) {
  return Buffer.from(await page.$eval('#exercise', pre => pre.textContent), 'utf8');
}

// The page against konika with the same numbers typed and the same keys pressed in the picture.
async function compareWithNative(page, example, keys = '') {
  const native = nativeRun(example.typed, keys);
  const what = `${example.name} (${example.typed.join(' ')})${keys ? `, then ${keys}` : ''}`;
  const text = await pageText(page);
  expect(text.equals(native.transcript), `${what}: the page's text\n${JSON.stringify(
      text.toString())}\nis not the transcript\n${JSON.stringify(native.transcript.toString())}`);
  const hidden = await page.$eval('#canvas', canvas => canvas.classList.contains('empty'));
  if (!native.picture) {
    expect(hidden, `${what}: konika opens no window, but the page shows its canvas`);
    console.log(`${what}: the text as natively, no picture`);
    return;
  }
  expect(!hidden, `${what}: konika opens its window, but the page hides its canvas`);
  const expected = colorBoxes(native.picture);
  const boxes = await canvasBoxes(page);
  expect(boxes.width === 1024 && boxes.height === 700 && boxes.red.count > 0 &&
         sameBox(boxes.red, expected.red, 3),
         `${what}: red ${shown(boxes.red)} on a canvas of ${boxes.width} x ${boxes.height}, ` +
         `in the window ${shown(expected.red)}`);
  // The window dashes the elements' lines, 8 pixels on and 8 off, where the browser draws them
  // whole, and writes their labels in a font of its own.
  expect(sameBox(boxes.purple, expected.purple, 8), `${what}: dark purple ${shown(boxes.purple)}` +
         ` (${boxes.purple.count} pixels), in the window ${shown(expected.purple)}`);
  console.log(`${what}: the text as natively; red ${shown(boxes.red)}, natively ` +
              `${shown(expected.red)}; dark purple ${shown(boxes.purple)}, natively ` +
              `${shown(expected.purple)}`);
}

// As in the window: the grabbed point of the near plane, at distance 1 from the eye, follows the
// cursor, and the ellipse's plane, 4 away, moves a quarter as far: 25 pixels for 100.
async function dragEllipse(page) {
  const before = (await canvasBoxes(page)).red;
  const canvas = await (await page.$('#canvas')).boundingBox();
  await page.mouse.move(canvas.x + 300, canvas.y + 500);
  await page.mouse.down();
  await page.mouse.move(canvas.x + 400, canvas.y + 500, {steps: 10});
  await page.mouse.up();
  await frames(page);
  const after = (await canvasBoxes(page)).red;
  const dx = centreX(after) - centreX(before);
  const dy = centreY(after) - centreY(before);
  expect(Math.abs(dx - 25) <= 2 && Math.abs(dy) <= 2 &&
         Math.abs(after.maxX - after.minX - (before.maxX - before.minX)) <= 2,
         `a left drag by 100 pixels moves the ellipse by (${dx}, ${dy}) pixels, not (25, 0)`);
  console.log(`a left drag by 100 pixels moves the ellipse by (${dx}, ${dy}) pixels`);
}

// After the drag, r brings back the first view; then s offers that picture as a PNG download
// named as the window names its files.
async function firstViewAndSave(page, firstBox) {
  await page.keyboard.press('r');
  await frames(page);
  const box = (await canvasBoxes(page)).red;
  expect(shown(box) === shown(firstBox), `after r the ellipse is at ${shown(box)}, not at ` +
         `${shown(firstBox)} as in the first view`);

  const downloads = fs.mkdtempSync(path.join(scratch, 'downloads-'));
  const session = await page.createCDPSession();
  await session.send('Browser.setDownloadBehavior', {behavior: 'allow', downloadPath: downloads});
  await page.keyboard.press('s');
  let saved = [];
  for (let wait = 0; wait < 100 && saved.length === 0; ++wait) {
    await new Promise(done => setTimeout(done, 100));
    saved = fs.readdirSync(downloads).filter(name => /^konika-\d{8}-\d{6}\.png$/.test(name));
  }
  expect(saved.length === 1, `s offered no picture named konika-YYYYMMDD-HHMMSS.png, but ` +
         `${fs.readdirSync(downloads).join(', ') || 'nothing'}`);
  if (saved.length === 1) {
    const savedBox = colorBoxes(fs.readFileSync(path.join(downloads, saved[0]))).red;
    expect(shown(savedBox) === shown(firstBox),
           `the picture that s offers has the ellipse at ${shown(savedBox)}`);
    console.log(`s offers ${saved[0]}, the ellipse at ${shown(savedBox)}`);
  }
}

// konika without a display: it ends with status 1 where the window would open, after the
// whole transcript.
function consoleRun(input) {
  const environment = {...process.env};
  delete environment.DISPLAY;
  const run = spawnSync(konika, [], {input, env: environment, timeout: 30000});
  return {transcript: run.stdout, window: run.status === 1};
}

async function compareCorpus(page) {
  const names = fs.readdirSync(corpus).sort();
  let same = 0;
  for (const name of names) {
    const input = fs.readFileSync(path.join(corpus, name));
    const native = consoleRun(input);
    const shown = await page.evaluate(typed => {
      reduceTyped(typed);
      return {text: document.getElementById('exercise').textContent,
              picture: !document.getElementById('canvas').classList.contains('empty')};
    }, input.toString('utf8'));
    const text = Buffer.from(shown.text, 'utf8');
    expect(text.equals(native.transcript), `corpus ${name}: the page's text\n${JSON.stringify(
        shown.text)}\nis not the transcript\n${JSON.stringify(native.transcript.toString())}`);
    expect(shown.picture === native.window, `corpus ${name}: the page shows ` +
           `${shown.picture ? 'a' : 'no'} picture, konika ${native.window ? 'a' : 'no'} window`);
    same += text.equals(native.transcript) && shown.picture === native.window ? 1 : 0;
  }
  console.log(`the seed corpus: ${same} of ${names.length} inputs as natively`);
}

// A click on the picture, which moves nothing, gives it the keys.
async function pressInPicture(page, key) {
  await page.click('#canvas');
  await page.keyboard.press(key);
  await frames(page);
}

async function typeEquation(page, typed) {
  for (let i = 0; i < 6; ++i) {
    await page.click(`#k${i + 1}`, {clickCount: 3});
    await page.keyboard.type(typed[i]);
  }
  await page.click('button');
  await frames(page);
}

// A screen on which the canvas's column holds the window's 1024 x 700 pixels.
const wideScreen = {width: 2200, height: 1400};

// Every error the page's console, scripts and requests report, for the page opened at address.
async function openPage(browser, address, errors, screen = wideScreen) {
  const page = await browser.newPage();
  await page.setViewport(screen);
  page.on('console', message => {
    if (message.type() === 'error') {
      errors.push(`console: ${message.text()}`);
    }
  });
  page.on('pageerror', error => errors.push(`script: ${error.message}`));
  page.on('requestfailed', request => errors.push(`request: ${request.url()}`));
  page.on('response', response => {
    if (response.status() >= 400) {
      errors.push(`response ${response.status()}: ${response.url()}`);
    }
  });
  await page.goto(address);
  return page;
}

async function main() {
  if (!fs.existsSync(path.join(pageFolder, 'konika.wasm'))) {
    throw new Error(`no page in ${pageFolder}: scripts/web.sh --build makes it`);
  }
  const errors = [];
  await withBrowser(pageFolder, async ({browser, url}) => {
    const [first, ...typedOnes] = examples;
    const page = await openPage(browser, `${url}?k=${first.typed.join(',')}`, errors);
    const shownAt = await waitForRed(page, 30000);
    console.log(`first picture ${Math.round(shownAt)} ms after the page was opened`);
    await compareWithNative(page, first);
    const firstBox = (await canvasBoxes(page)).red;
    await dragEllipse(page);
    await firstViewAndSave(page, firstBox);
    await pressInPicture(page, 'g');
    await compareWithNative(page, first, 'g');
    for (const example of typedOnes) {
      await typeEquation(page, example.typed);
      await compareWithNative(page, example);
      if (example === typedOnes[0]) {
        await pressInPicture(page, 'g');
        await compareWithNative(page, example, 'g');
      }
    }

    const refused = {name: 'a word that is not a number', typed: ['1', 'abc', '4', '0', '0', '-4']};
    const refusing = await openPage(browser, `${url}?k=${refused.typed.join(',')}`, errors);
    await refusing.waitForFunction(() => document.getElementById('exercise').textContent
                                          .includes('slobodan clan'), {timeout: 30000});
    expect((await pageText(refusing)).includes('"abc" nije broj.\nUnesite koeficijent ux XY\n'),
           'the address with "abc" does not show "\\"abc\\" nije broj." and the prompt again');
    await compareWithNative(refusing, refused);
    await compareCorpus(refusing);
    await checkScreens(browser, url, {
      openPage: (opener, address, screen) => openPage(opener, address, errors, screen),
      frames, expect, typeEquation, konika,
    });
  });
  expect(errors.length === 0, `the browser reported errors:\n${errors.join('\n')}`);

  // The sheet page beside it is a page of its own, with files of its own.
  const files = fs.readdirSync(pageFolder).filter(file => !file.startsWith('sheet.'));
  const bytes = files.reduce((sum, file) => sum + fs.statSync(path.join(pageFolder, file)).size, 0);
  expect(bytes < 1000000, `the page's files (${files.join(', ')}) take ${bytes} bytes`);
  console.log(`the page's files (${files.join(', ')}) take ${bytes} bytes`);
}

main().catch(error => failures.push(error.stack || String(error))).finally(() => {
  fs.rmSync(scratch, {recursive: true, force: true});
  for (const failure of failures) {
    console.log(`FAILED: ${failure}`);
  }
  process.exitCode = failures.length === 0 ? 0 : 1;
});
