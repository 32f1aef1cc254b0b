// How soon the page shows its first picture: the link of the ellipse (?k=1,0,4,0,0,-4) opened
// from the local server in headless chromium, each time in a fresh browser context, so that
// nothing is cached. Prints, over the runs, the time from the start of the navigation to the
// frame that draws the picture (the page's mark), and to the red of the curve found on the
// canvas by a check each frame, which costs a readback of the canvas and so runs late. The first
// run, in a browser just started, also waits for the browser's GPU process (WebGL in software
// here) and is given apart.
//
//   node first_picture.js PAGE_FOLDER [RUNS]
'use strict';

const {withBrowser, waitForRed} = require('./browser');

const [pageFolder, runs = '20'] = process.argv.slice(2);

function summary(times) {
  const sorted = [...times].sort((a, b) => a - b);
  const median = sorted[Math.floor(sorted.length / 2)];
  return `median ${Math.round(median)} ms (${Math.round(sorted[0])} to ` +
         `${Math.round(sorted[sorted.length - 1])})`;
}

async function main() {
  await withBrowser(pageFolder, async ({browser, url}) => {
    const drawn = [];
    const seen = [];
    for (let run = 0; run < Number(runs); ++run) {
      const context = await browser.createBrowserContext();
      const page = await context.newPage();
      await page.goto(`${url}?k=1,0,4,0,0,-4`);
      seen.push(await waitForRed(page, 30000));
      drawn.push(await page.evaluate(() => performance.getEntriesByName('konika-picture')[0]
                                                .startTime));
      await context.close();
    }
    console.log(`first picture of ${url}?k=1,0,4,0,0,-4 over ${runs} runs:`);
    console.log(`  drawn: ${summary(drawn)}; in the browser just started ` +
                `${Math.round(drawn[0])} ms`);
    console.log(`  red found on the canvas: ${summary(seen)}; in the browser just started ` +
                `${Math.round(seen[0])} ms`);
  });
}

main().catch(error => {
  console.error(error.stack);
  process.exitCode = 1;
});
