// How soon the page shows its first picture: the link of the ellipse (?k=1,0,4,0,0,-4) opened
// from the local server in headless chromium, each time in a fresh browser context, so that
// nothing is cached. Prints the time from the start of the navigation to the frame that draws
// the picture (the page's mark), and to the red of the curve found on the canvas by a check each
// frame, which costs a readback of the canvas and so runs late. The first opening, in a browser
// just started, also waits for the browser's GPU process (WebGL in software here) and is given
// apart from the median and range of the others.
//
//   node first_picture.js PAGE_FOLDER [OPENINGS]     (21 unless given)
'use strict';

const {withBrowser, waitForRed, summary} = require('./browser');

const [pageFolder, openings = '21'] = process.argv.slice(2);
const runs = Number(openings);

async function main() {
  await withBrowser(pageFolder, async ({browser, url}) => {
    const drawn = [];
    const seen = [];
    for (let run = 0; run < runs; ++run) {
      const context = await browser.createBrowserContext();
      const page = await context.newPage();
      await page.goto(`${url}?k=1,0,4,0,0,-4`);
      seen.push(await waitForRed(page, 30000));
      drawn.push(await page.evaluate(() => performance.getEntriesByName('konika-picture')[0]
                                                .startTime));
      await context.close();
    }
    console.log(`first picture of ${url}?k=1,0,4,0,0,-4, the browser just started, then ` +
                `${runs - 1} more openings:`);
    console.log(`  drawn: ${Math.round(drawn[0])} ms, then ${summary(drawn.slice(1))}`);
    console.log(`  red found on the canvas: ${Math.round(seen[0])} ms, then ` +
                `${summary(seen.slice(1))}`);
  });
}

main().catch(error => {
  console.error(error.stack);
  process.exitCode = 1;
});
