// The page as students and teachers use it, on a phone and on a laptop: it fits the screen,
// the canvas draws at the device pixel ratio, fingers move, zoom and turn the picture without
// moving the page, the exact solution and its LaTeX are konika's, the printed page has no
// controls, an address with the equation fills the fields, axe-core finds nothing to mend,
// and a page once opened works without the network. Called by page_test.js, with its tools.
'use strict';

const {spawnSync} = require('child_process');
const {waitForRed, redBox} = require('./browser');

const screens = [
  {name: 'phone', viewport: {width: 390, height: 844, deviceScaleFactor: 3, isMobile: true,
                             hasTouch: true}},
  {name: 'narrowest phone', viewport: {width: 320, height: 640, deviceScaleFactor: 2,
                                       isMobile: true, hasTouch: true}},
  {name: 'laptop', viewport: {width: 1366, height: 768}},
];

const turned = ['5', '4', '8', '-32', '-56', '80'];

function centre(box) {
  return {x: (box.minX + box.maxX) / 2, y: (box.minY + box.maxY) / 2};
}

function size(box) {
  return {width: box.maxX - box.minX, height: box.maxY - box.minY};
}

function near(value, expected, pixels) {
  return Math.abs(value - expected) <= pixels;
}

function shown(box) {
  return `(${box.minX}, ${box.minY})-(${box.maxX}, ${box.maxY})`;
}

// Fingers through the DevTools protocol, in CSS pixels of the page: each finger from its start
// to its end in ten moves.
async function touch(page, starts, ends) {
  const session = await page.createCDPSession();
  const at = step => starts.map((start, id) => ({
    id, x: start.x + (ends[id].x - start.x) * step / 10, y: start.y + (ends[id].y - start.y) * step / 10}));
  await session.send('Input.dispatchTouchEvent', {type: 'touchStart', touchPoints: at(0)});
  for (let step = 1; step <= 10; ++step) {
    await session.send('Input.dispatchTouchEvent', {type: 'touchMove', touchPoints: at(step)});
  }
  await session.send('Input.dispatchTouchEvent', {type: 'touchEnd', touchPoints: []});
  await session.detach();
}

async function firstView(page, tools) {
  await page.$eval('#keys [data-key="r"]', button => button.click());
  await tools.frames(page);
  return redBox(page);
}

// One finger moves the picture with it; two fingers 80 pixels apart, spread to 100, grow it by
// 100/80 about their midpoint; the same two turned by 30 degrees counter-clockwise turn the
// ellipse X^2/9 + Y^2/4 = 1 with them: half its width becomes sqrt(9 cos^2 30 + 4 sin^2 30) =
// sqrt(7.75) of 3, half its height sqrt(9 sin^2 30 + 4 cos^2 30) = sqrt(5.25) of 2, and its
// highest point lies right of its centre. The page neither scrolls nor zooms meanwhile.
async function checkFingers(page, screen, tools) {
  const {expect} = tools;
  const ratio = screen.viewport.deviceScaleFactor;
  await page.$eval('#canvas', canvas => canvas.scrollIntoView({block: 'center'}));
  const area = await (await page.$('#canvas')).boundingBox();
  const middle = {x: area.x + area.width / 2, y: area.y + area.height / 2};
  const pair = (apart, degrees) => {
    const turn = degrees * Math.PI / 180;
    const dx = apart / 2 * Math.cos(turn);
    const dy = apart / 2 * Math.sin(turn);
    return [{x: middle.x - dx, y: middle.y + dy}, {x: middle.x + dx, y: middle.y - dy}];
  };
  const where = await page.evaluate(() => ({scroll: scrollY, zoom: visualViewport.scale}));

  const first = await firstView(page, tools);
  await touch(page, [middle], [{x: middle.x + 30, y: middle.y + 20}]);
  await tools.frames(page);
  const moved = await redBox(page);
  expect(near(centre(moved).x - centre(first).x, 30 * ratio, 3) &&
         near(centre(moved).y - centre(first).y, 20 * ratio, 3) &&
         near(size(moved).width, size(first).width, 2),
         `${screen.name}: a finger moved by (30, 20) moves the ellipse from ${shown(first)} to ` +
         `${shown(moved)}, not by (${30 * ratio}, ${20 * ratio}) pixels`);

  await firstView(page, tools);
  await touch(page, pair(80, 0), pair(100, 0));
  await tools.frames(page);
  const grown = await redBox(page);
  const pivot = {x: (middle.x - area.x) * ratio, y: (middle.y - area.y) * ratio};
  const scaled = (side, axis) => pivot[axis] + (first[side] - pivot[axis]) * 1.25;
  expect(['minX', 'maxX'].every(side => near(grown[side], scaled(side, 'x'), 4)) &&
         ['minY', 'maxY'].every(side => near(grown[side], scaled(side, 'y'), 4)),
         `${screen.name}: a pinch from 80 to 100 pixels takes the ellipse from ${shown(first)} ` +
         `to ${shown(grown)}, not 1.25 times as large about (${pivot.x}, ${pivot.y})`);

  await firstView(page, tools);
  await touch(page, pair(80, 0), pair(80, 30));
  await tools.frames(page);
  const twisted = await redBox(page);
  const before = size(first);
  const after = size(twisted);
  expect(near(after.width, before.width * Math.sqrt(7.75) / 3, 4) &&
         near(after.height, before.height * Math.sqrt(5.25) / 2, 4) &&
         twisted.topX > centre(twisted).x,
         `${screen.name}: a twist by 30 degrees takes the ellipse from ${shown(first)} to ` +
         `${shown(twisted)} (its top at x = ${twisted.topX}), not ${before.width * Math.sqrt(7.75) / 3}` +
         ` by ${before.height * Math.sqrt(5.25) / 2} turned counter-clockwise`);

  const still = await page.evaluate(() => ({scroll: scrollY, zoom: visualViewport.scale}));
  expect(still.scroll === where.scroll && still.zoom === where.zoom,
         `${screen.name}: the fingers scrolled or zoomed the page: ${JSON.stringify(where)} ` +
         `became ${JSON.stringify(still)}`);
  console.log(`${screen.name}: a finger moves the ellipse to ${shown(moved)}, a pinch to ` +
              `${shown(grown)}, a twist to ${shown(twisted)}; from ${shown(first)}`);
}

async function checkAccessibility(page, name, expect) {
  await page.addScriptTag({path: require.resolve('axe-core/axe.min.js')});
  const violations = await page.evaluate(async () => (await axe.run()).violations.map(
      violation => `${violation.id}: ${violation.nodes.map(node => node.target).join(' ')}`));
  expect(violations.length === 0, `${name}: axe-core finds ${violations.join('; ')}`);
  console.log(`${name}: axe-core finds ${violations.length} violations`);
}

// No sideways scrolling; the canvas's drawing buffer is its size on the page times the pixel
// ratio; on the laptop the canvas lies within the first screen.
async function checkScreen(browser, url, screen, tools) {
  const {expect} = tools;
  const page = await tools.openPage(browser, `${url}?k=${turned.join(',')}`, screen.viewport);
  await waitForRed(page, 30000);
  await page.waitForSelector('#latex:not([disabled])', {timeout: 30000});
  const ratio = screen.viewport.deviceScaleFactor || 1;
  await page.waitForFunction(r => {
    const box = document.getElementById('canvas').getBoundingClientRect();
    return Math.abs(canvas.width - box.width * r) <= 1 && Math.abs(canvas.height - box.height * r) <= 1;
  }, {timeout: 5000}, ratio).catch(() => {});
  await tools.frames(page);
  const layout = await page.evaluate(() => {
    const box = document.getElementById('canvas').getBoundingClientRect();
    return {scrollWidth: document.documentElement.scrollWidth, width: innerWidth,
            height: innerHeight, top: box.top, bottom: box.bottom, left: box.left,
            right: box.right, cssWidth: box.width, cssHeight: box.height, buffer:
            [canvas.width, canvas.height]};
  });
  expect(layout.scrollWidth <= layout.width,
         `${screen.name}: the page is ${layout.scrollWidth} pixels wide on a screen of ${layout.width}`);
  expect(near(layout.buffer[0], layout.cssWidth * ratio, 1) &&
         near(layout.buffer[1], layout.cssHeight * ratio, 1),
         `${screen.name}: the canvas draws ${layout.buffer.join(' x ')} pixels on ` +
         `${layout.cssWidth} x ${layout.cssHeight} at a ratio of ${ratio}`);
  if (screen.name === 'laptop') {
    expect(layout.top >= 0 && layout.left >= 0 && layout.bottom <= layout.height &&
           layout.right <= layout.width,
           `laptop: the canvas (${layout.left}, ${layout.top})-(${layout.right}, ` +
           `${layout.bottom}) is not within the first screen`);
  }
  console.log(`${screen.name}: the page ${layout.scrollWidth} wide, the canvas at ` +
              `(${Math.round(layout.left)}, ${Math.round(layout.top)})-(${Math.round(layout.right)}, ` +
              `${Math.round(layout.bottom)}), drawing ${layout.buffer.join(' x ')}`);
  if (screen.viewport.hasTouch) {
    await checkFingers(page, screen, tools);
  }
  await checkAccessibility(page, screen.name, expect);
  return page;
}

// The canonical form in the MathML of the solution, written here as the MathML of
// X^2/9 + Y^2/4 = 1 without its rows.
async function checkSolution(page, tools) {
  const {expect} = tools;
  const canonical = await page.evaluate(() => {
    const heading = [...document.querySelectorAll('#solution h3')]
        .find(h3 => h3.textContent.endsWith('Kanonski oblik'));
    const formula = heading && heading.parentElement.querySelector('math[display=block]');
    return formula ? formula.innerHTML.replace(/<\/?mrow>/g, '') : 'none';
  });
  const expected = '<mfrac><msup><mi>X</mi><mn>2</mn></msup><mn>9</mn></mfrac><mo>+</mo>' +
      '<mfrac><msup><mi>Y</mi><mn>2</mn></msup><mn>4</mn></mfrac><mo>=</mo><mn>1</mn>';
  expect(canonical === expected, `the canonical form in MathML is ${canonical}`);

  const environment = {...process.env};
  delete environment.DISPLAY;
  const native = spawnSync(tools.konika, ['--latex'], {input: turned.join('\n') + '\n',
                                                       env: environment, timeout: 30000});
  await page.browserContext().overridePermissions(new URL(page.url()).origin,
                                                  ['clipboard-read', 'clipboard-sanitized-write']);
  await page.click('#latex');
  await page.waitForFunction(() => document.getElementById('copied').textContent !== '',
                             {timeout: 5000});
  const copied = await page.evaluate(() => navigator.clipboard.readText());
  expect(copied === native.stdout.toString() && copied.includes('\\begin{document}'),
         `the LaTeX button copies\n${copied.slice(0, 300)}\nnot konika --latex's\n` +
         `${native.stdout.toString().slice(0, 300)}`);
  const closed = await page.evaluate(() => !document.querySelector('details #exercise')
                                               .closest('details').open);
  expect(closed, 'the console text is not in a section closed until asked for');

  await page.emulateMediaType('print');
  const printed = await page.evaluate(() => {
    window.dispatchEvent(new Event('beforeprint'));
    return ['#equation', '#keys', '#latex', 'details', '#solution', '#snapshot']
        .map(selector => document.querySelector(selector).getClientRects().length > 0)
        .concat(document.getElementById('snapshot').src.startsWith('data:image/png'));
  });
  await page.emulateMediaType(null);
  expect(printed.join() === 'false,false,false,false,true,true,true',
         'printed, the fields, the buttons, the console text, the solution, the picture are ' +
         `shown, the picture a PNG: ${printed}`);
  console.log(`the canonical form in MathML, the LaTeX as konika --latex writes it ` +
              `(${copied.length} characters), printed without the controls`);
}

// The equation in the address fills the six fields, and the six fields, reduced, write the
// equation into its field. Until the equation's reading lands, the line of six numbers, as the
// console takes it, is the equation typed.
async function checkEquationField(browser, url, tools) {
  const {expect} = tools;
  const page = await tools.openPage(browser, `${url}?j=0.25 0 1 0 0 -1`);
  await waitForRed(page, 30000);
  const filled = await page.evaluate(() => [...document.querySelectorAll('.coefficients input')]
                                               .map(field => field.value));
  expect(filled.join(' ') === '0.25 0 1 0 0 -1',
         `?j=0.25 0 1 0 0 -1 fills the six fields with ${filled.join(' ')}`);
  await tools.typeEquation(page, turned);
  const written = await page.$eval('#typed', field => field.value);
  expect(written === '5*x^2 + 4*x*y + 8*y^2 - 32*x - 56*y + 80 = 0',
         `the six fields 5 4 8 -32 -56 80 write the equation ${written}`);
  const address = await page.evaluate(() => location.search);
  expect(address === '?k=5,4,8,-32,-56,80', `the six fields write the address ${address}`);
  console.log(`?j= fills the fields with ${filled.join(' ')}; the fields write ${written}`);
  await page.close();
}

// Once opened, the page's worker keeps its files: with the network cut, the page opens again
// and reduces.
async function checkOffline(browser, url, tools) {
  const {expect} = tools;
  const page = await tools.openPage(browser, `${url}?k=${turned.join(',')}`);
  await waitForRed(page, 30000);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null, {timeout: 30000});
  await page.setOfflineMode(true);
  await page.reload();
  const shownAt = await waitForRed(page, 30000).catch(() => null);
  expect(shownAt !== null, 'without the network the page, opened before, shows no picture');
  await page.setOfflineMode(false);
  console.log(`without the network the page shows the picture ${Math.round(shownAt)} ms after opening`);
  await page.close();
}

// An equation as students write it: x^2/9 + y^2/4 - 1 = 0, whose 1/4 has a decimal and 1/9
// has none; the text is konika's with the equation typed at its first prompt.
async function checkTypedEquation(browser, url, tools) {
  const {expect} = tools;
  const typed = 'x^2/9 + y^2/4 = 1';
  const equationPage = await tools.openPage(browser, `${url}?j=${encodeURIComponent(typed)}`);
  await equationPage.waitForFunction(() => started && document.getElementById('exercise')
                                           .textContent !== '', {timeout: 30000});
  await tools.frames(equationPage);
  const words = await equationPage.evaluate(
      () => [...document.querySelectorAll('.coefficients input')].map(field => field.value).join(' '));
  expect(words === '1/9 0 0.25 0 0 -1', `?j=${typed} fills the six fields with ${words}`);
  const environment = {...process.env};
  delete environment.DISPLAY;
  const native = spawnSync(tools.konika, [], {input: typed + '\n', env: environment,
                                              timeout: 30000});
  const text = await equationPage.$eval('#exercise', pre => pre.textContent);
  expect(Buffer.from(text, 'utf8').equals(native.stdout),
         `?j=${typed}: the page's text\n${text}\nis not konika's\n${native.stdout}`);
  console.log(`?j=${typed} fills the fields with ${words}, the text as natively`);
  await equationPage.close();
}

async function checkScreens(browser, url, tools) {
  for (const screen of screens) {
    const page = await checkScreen(browser, url, screen, tools);
    if (screen.name === 'laptop') {
      await checkSolution(page, tools);
    }
    await page.close();
  }
  await checkEquationField(browser, url, tools);
  await checkOffline(browser, url, tools);
  await checkTypedEquation(browser, url, tools);
}

module.exports = {checkScreens};
