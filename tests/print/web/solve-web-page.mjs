// Opens an exported cipher web page in headless Chromium, solves it by typing and prints what the page reported
// as one JSON line: { status, plaintext, dialogs, scripts, wrongStatus, overflows, ... }.
//   node solve-web-page.mjs MODULE_DIR PAGE.html KEY
// KEY maps cipher letters to plain letters, "QA ZT ..." (cipher letter, then plain letter).
import { createRequire } from "node:module";
import path from "node:path";

const [moduleDir, page, key] = process.argv.slice(2);
const require = createRequire(path.join(moduleDir, "package.json"));
const { chromium } = require("playwright-core");

const browser = await chromium.launch({
  executablePath: "/usr/bin/chromium",
  args: ["--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking", "--no-first-run"],
});
try {
  const tab = await browser.newPage();
  const dialogs = [];
  tab.on("dialog", async (dialog) => {
    dialogs.push(dialog.message());
    await dialog.dismiss();
  });
  await tab.goto("file://" + path.resolve(page));
  const pairs = key.split(" ").filter((pair) => pair.length === 2);

  // One wrong letter first: the check must not call it solved.
  const [firstCipher] = pairs[0];
  await tab.click(`.cell[data-cipher="${firstCipher}"]`);
  const wrong = pairs[0][1] === "Z" ? "Y" : "Z";
  await tab.keyboard.press(wrong);
  await tab.click("#check");
  // The check digests the guesses asynchronously: wait for its report.
  await tab.waitForFunction(() => document.querySelector("#status").textContent !== "");
  const wrongStatus = await tab.textContent("#status");

  for (const [cipher, plain] of pairs) {
    await tab.click(`.cell[data-cipher="${cipher}"]`);
    await tab.keyboard.press(plain.toLowerCase());
  }
  await tab
    .waitForFunction(() => document.querySelector("#status").textContent.startsWith("Solved"), null, { timeout: 5000 })
    .catch(() => {});
  const result = {
    status: await tab.textContent("#status"),
    plaintext: await tab.textContent("#plaintext"),
    plaintextVisible: await tab.isVisible("#plaintext"),
    filledCells: await tab.$$eval(".cell .guess", (guesses) => guesses.filter((g) => g.textContent !== "").length),
    cells: await tab.$$eval(".cell", (cells) => cells.length),
    scripts: await tab.$$eval("script", (scripts) => scripts.length),
    dialogs,
    wrongStatus,
    overflows: await tab.evaluate(() => document.documentElement.scrollWidth > document.documentElement.clientWidth),
  };
  console.log(JSON.stringify(result));
} finally {
  await browser.close();
}
