// The sheet page against konika --zadaci: for each address the page's sheet must hold the
// console's sheet line by line, the exercises and their key (the page writes them in MathML,
// the console as text; both are brought to the same letters, digits and signs), with the seed
// of the address whole, also above 2^53; an address without a seed gets one drawn and written
// into it; the controls rewrite the address and the sheet; an address whose words konika
// refuses shows konika's sentence; the page fits the narrowest phone; printing hides the
// controls and starts the key on a page of its own. On the main page, "Novi zadatak" puts an exercise of the chosen kind and level in the
// equation's field, with its picture and solution hidden until "Prikazi resenje", which shows
// its key and the solution of that equation; "List za razred" opens the sheet page of that kind
// and level, also once the page's worker serves the folder. Nothing reaches the browser's
// console as an error.
//
//   node exercises_test.js PAGE_FOLDER KONIKA
'use strict';

const {spawnSync} = require('child_process');
const {withBrowser} = require('./browser');

const [pageFolder, konika] = process.argv.slice(2);

// 9007199254740993 is 2^53 + 1 and 18446744073709551615 is 2^64 - 1: as JavaScript numbers they
// would become 2^53 and 2^64, a different sheet and a refused seed.
const sheets = [
  'zadaci=5&seme=9007199254740993',
  'zadaci=3&vrsta=parabola&nivo=2&seme=18446744073709551615',
  'zadaci=4&vrsta=hiperbola&nivo=3',
];
const refusals = [
  'zadaci=3&vrsta=kruznica&nivo=2&seme=1',
  'zadaci=3&seme=18446744073709551616',
];

const failures = [];
function expect(holds, what) {
  if (!holds) {
    failures.push(what);
  }
}

// konika --zadaci with the options of an address.
function consoleSheet(search) {
  const options = {zadaci: '--zadaci', vrsta: '--vrsta', nivo: '--nivo', seme: '--seme'};
  const args = [];
  for (const [name, value] of new URLSearchParams(search)) {
    args.push(options[name], value);
  }
  const run = spawnSync(konika, args, {timeout: 30000});
  return {status: run.status, text: run.stdout.toString(), refusal: run.stderr.toString().trim()};
}

// A line of the sheet as its letters, digits and signs: the text's x^2, 3/2, sqrt(5) and 2*y
// and MathML's superscripts, fractions, roots and invisible products all come to x2, 32, 5
// and 2y.
function plainText(line) {
  return line.replace(/sqrt|[\s*^/()]/g, '');
}

function plainMathml(text) {
  return text.replace(/\u2212/g, '-').replace(/\u2248/g, '~').replace(/\u03c6/g, 'phi')
      .replace(/[\s()\u2061\u2062\u22c5]/g, '');
}

async function sheetLines(page) {
  return page.$$eval('#sheet h2, #sheet h3, #sheet p, #sheet math[display="block"]',
                     elements => elements.map(element => element.textContent));
}

// The page's sheet, opened at its address, against the console's for the same options.
async function compareWithConsole(page, what) {
  const search = await page.evaluate(() => location.search);
  const expected = consoleSheet(search);
  const lines = (await sheetLines(page)).map(plainMathml);
  const consoleLines = expected.text.split('\n').filter(line => line !== '').map(plainText);
  expect(expected.status === 0 && lines.join('\n') === consoleLines.join('\n'),
         `${what} (${search}): the page's sheet\n${lines.join('\n')}\nis not konika's\n` +
         consoleLines.join('\n'));
  const seed = new URLSearchParams(search).get('seme');
  expect((await sheetLines(page)).some(line => line.includes(`seme: ${seed}.`)),
         `${what}: the sheet does not name the seed ${seed} of its address`);
  console.log(`${what}: ${search}, ${lines.length} lines as konika's`);
  return search;
}

// The page at the address once ready holds, its errors added to errors.
async function openPage(browser, address, ready, errors) {
  const page = await browser.newPage();
  page.on('console', message => {
    if (message.type() === 'error') {
      errors.push(`console: ${message.text()}`);
    }
  });
  page.on('pageerror', error => errors.push(`script: ${error.message}`));
  await page.goto(address);
  await page.waitForFunction(ready, {timeout: 30000});
  return page;
}

function sheetShown() {
  return document.querySelector('#sheet h2') || !document.getElementById('new-seed').disabled;
}

// The kind and the level chosen, then a new seed: each rewrites the address and the sheet.
async function useControls(page, drawn) {
  await page.select('#kind', 'elipsa');
  await page.select('#level', '1');
  const chosen = await compareWithConsole(page, 'an ellipse of level 1 chosen');
  expect(chosen === drawn.replace('hiperbola&nivo=3', 'elipsa&nivo=1'),
         `choosing the kind and the level makes the address ${chosen} of ${drawn}`);
  await page.click('#new-seed');
  const renewed = await compareWithConsole(page, 'a new seed');
  expect(renewed.replace(/seme=\d+/, '') === chosen.replace(/seme=\d+/, '') && renewed !== chosen,
         `a new seed makes the address ${renewed} of ${chosen}`);
}

// On the narrowest phone nothing scrolls the page sideways; printed, the controls are gone.
async function narrowAndPrinted(page) {
  await page.setViewport({width: 320, height: 640});
  const width = await page.evaluate(() => document.documentElement.scrollWidth);
  expect(width === 320, `320 pixels wide, the sheet page is ${width} wide`);
  await page.emulateMediaType('print');
  const styles = await page.evaluate(() => ({
    controls: getComputedStyle(document.querySelector('.controls')).display,
    key: getComputedStyle(document.querySelectorAll('#sheet section')[1]).breakBefore,
  }));
  await page.emulateMediaType(null);
  expect(styles.controls === 'none' && styles.key === 'page',
         `printed, the controls are shown as "${styles.controls}" and the key breaks "${
             styles.key}" before it`);
}

// "Novi zadatak" for a parabola of level 2, then "Prikazi resenje", then "List za razred".
async function newExercise(browser, url, errors) {
  const page = await openPage(browser, url, () => !document.getElementById('new-exercise')
                                .disabled && navigator.serviceWorker.controller, errors);
  await page.select('#practice-kind', 'parabola');
  await page.select('#practice-level', '2');
  await page.click('#new-exercise');
  const hidden = await page.evaluate(() => ({
    equation: document.getElementById('typed').value,
    picture: getComputedStyle(document.getElementById('canvas')).visibility,
    solution: document.getElementById('solution').checkVisibility(),
    reveal: document.getElementById('reveal').checkVisibility(),
  }));
  // Level 2 turns the parabola about the origin: its equation has an xy term.
  expect(/^[0-9xy^ +-]*xy[0-9xy^ +-]* = 0$/.test(hidden.equation) &&
         hidden.picture === 'hidden' && !hidden.solution && hidden.reveal,
         `"Novi zadatak" puts "${hidden.equation}" in the field, its picture ${hidden.picture}, ` +
         `its solution ${hidden.solution ? 'shown' : 'hidden'}, no button to show them`);
  await page.click('#reveal');
  await page.waitForFunction(() => document.getElementById('solution').textContent !== '');
  // The key first, then the solution of the six fields' equation, which must be the field's.
  const shown = await page.evaluate(() => ({
    picture: getComputedStyle(document.getElementById('canvas')).visibility,
    key: document.querySelector('#solution p').textContent,
    solved: Array.from(document.querySelectorAll('#solution h3'))
                .find(heading => heading.textContent.endsWith('Zadata jednacina'))
                .nextElementSibling.textContent,
  }));
  expect(shown.picture === 'visible' && shown.key === 'Parabola:' &&
         plainMathml(shown.solved) === plainText(hidden.equation),
         `"Prikazi resenje" shows the picture (${shown.picture}), a key of "${shown.key}" and ` +
         `the solution of ${shown.solved}`);
  console.log(`"Novi zadatak": ${hidden.equation}, hidden until "Prikazi resenje"`);
  await Promise.all([page.waitForNavigation(), page.click('#sheet-link')]);
  await page.waitForFunction(sheetShown, {timeout: 30000});
  const search = await compareWithConsole(page, '"List za razred" of the main page');
  expect(/^\?zadaci=10&vrsta=parabola&nivo=2&seme=\d+$/.test(search),
         `"List za razred" opens the sheet of ${search}`);
  await page.close();
}

async function main() {
  const errors = [];
  await withBrowser(pageFolder, async ({browser, url}) => {
    for (const search of sheets) {
      const page = await openPage(browser, `${url}sheet.html?${search}`, sheetShown, errors);
      const shown = await compareWithConsole(page, 'the sheet of the address');
      if (!search.includes('seme=')) {
        expect(/^\?zadaci=4&vrsta=hiperbola&nivo=3&seme=\d+$/.test(shown),
               `without a seed the address becomes ${shown}`);
        await useControls(page, shown);
        await narrowAndPrinted(page);
      }
      await page.close();
    }
    for (const search of refusals) {
      const page = await openPage(browser, `${url}sheet.html?${search}`, sheetShown, errors);
      const message = await page.$eval('#message', element => element.textContent);
      const expected = consoleSheet(search);
      expect(expected.status === 2 && message === expected.refusal,
             `${search}: the page says "${message}", konika "${expected.refusal}"`);
      console.log(`${search}: "${message}", as konika`);
      await page.close();
    }
    await newExercise(browser, url, errors);
  });
  expect(errors.length === 0, `the browser reported errors:\n${errors.join('\n')}`);
}

main().catch(error => failures.push(error.stack)).finally(() => {
  for (const failure of failures) {
    console.log(`FAILED: ${failure}`);
  }
  process.exitCode = failures.length === 0 ? 0 : 1;
});
