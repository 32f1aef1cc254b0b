// How soon the sheet page shows a sheet of 30 exercises with their key: its address opened from
// the local server in headless chromium, each time in a fresh browser context, so that nothing is
// cached, from the start of the navigation to the page's mark of the sheet shown; then, in the
// page, the time of the module's call alone (the sheet drawn, solved and written as HTML) for
// seeds 1 to 20, each a different sheet.
//
//   node sheet_time.js PAGE_FOLDER [OPENINGS]     (21 unless given)
'use strict';

const {withBrowser, summary} = require('./browser');

const [pageFolder, openings = '21'] = process.argv.slice(2);
const runs = Number(openings);

async function main() {
  await withBrowser(pageFolder, async ({browser, url}) => {
    const address = `${url}sheet.html?zadaci=30&seme=19`;
    const shown = [];
    let page = null;
    for (let run = 0; run < runs; ++run) {
      const context = await browser.createBrowserContext();
      page = await context.newPage();
      await page.goto(address);
      await page.waitForFunction(() => performance.getEntriesByName('konika-sheet').length > 0,
                                 {timeout: 30000});
      shown.push(await page.evaluate(() => performance.getEntriesByName('konika-sheet')[0]
                                               .startTime));
      if (run < runs - 1) {
        await context.close();
      }
    }
    const calls = await page.evaluate(() => Array.from({length: 20}, (unused, i) => {
      const start = performance.now();
      Module.ccall('sheetPage', 'string', ['string', 'string', 'string', 'string'],
                   ['30', null, null, String(i + 1)]);
      return performance.now() - start;
    }));
    console.log(`a sheet of 30 from ${address}, the browser just started, then ${runs - 1} ` +
                `more openings:`);
    console.log(`  shown: ${Math.round(shown[0])} ms, then ${summary(shown.slice(1))}`);
    console.log(`  the module's call alone, seeds 1 to 20: ${summary(calls)}`);
  });
}

main().catch(error => {
  console.error(error.stack);
  process.exitCode = 1;
});
