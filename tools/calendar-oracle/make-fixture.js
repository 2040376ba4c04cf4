#!/usr/bin/env node
// Writes the calendar and birth-chart test fixtures (tests/data/calendar/*.tsv) from lunar-javascript, a general
// calendar library we trust as an independent oracle. Dev-only: run by hand, never by CI or the
// build; the tests read the committed output. Run it with the library installed outside the repo:
//
//   d=$(mktemp -d) && (cd "$d" && npm install --no-save lunar-javascript@1.7.7)
//   NODE_PATH="$d/node_modules" node tools/calendar-oracle/make-fixture.js tests/data/calendar
//
// Times are China Standard Time. The pillars are the library's eight-character pillars with
// sect 2 (the day pillar changes at midnight; 23:00-24:00 takes the next day's 子 hour).
'use strict';
const fs = require('fs');
const path = require('path');
const {Solar, LunarYear, LunarUtil} = require('lunar-javascript');
const oracleVersion = require('lunar-javascript/package.json').version;

const outDir = process.argv[2];
if (!outDir) {
  console.error('usage: make-fixture.js <output folder>');
  process.exit(2);
}
fs.mkdirSync(outDir, {recursive: true});

// A fixed-seed generator so that a rerun writes the same rows.
let seed = 20130520;
function random() {
  seed = (Math.imul(seed, 1103515245) + 12345) >>> 0;
  return seed / 4294967296;
}
function randomInt(lo, hi) {
  return lo + Math.floor(random() * (hi - lo + 1));
}

const pad = (n, w = 2) => String(n).padStart(w, '0');
const ymd = (s) => `${s.getYear()}-${pad(s.getMonth())}-${pad(s.getDay())}`;
const ymdhms = (s) => `${ymd(s)} ${pad(s.getHour())}:${pad(s.getMinute())}:${pad(s.getSecond())}`;
const header = (columns) => `# written by tools/calendar-oracle/make-fixture.js from lunar-javascript ${oracleVersion}\n` +
    columns.join('\t') + '\n';

const firstJd = Solar.fromYmd(1901, 1, 1).getJulianDay();
const lastJd = Solar.fromYmd(2100, 12, 31).getJulianDay();
const JIE = ['小寒', '立春', '惊蛰', '清明', '立夏', '芒种', '小暑', '立秋', '白露', '寒露', '立冬', '大雪'];
const PINYIN = {DONG_ZHI: '冬至', XIAO_HAN: '小寒', DA_HAN: '大寒', LI_CHUN: '立春', YU_SHUI: '雨水',
                JING_ZHE: '惊蛰', DA_XUE: '大雪'};

// The 24 terms of each Gregorian year, 小寒 first.
function termsOfYear(year) {
  const found = new Map();
  for (const month of [1, 6, 12]) {
    const table = Solar.fromYmd(year, month, 15).getLunar().getJieQiTable();
    for (const key of Object.keys(table)) {
      const s = table[key];
      if (s.getYear() === year) found.set(PINYIN[key] || key, s);
    }
  }
  const terms = [...found.entries()].sort((a, b) => a[1].getJulianDay() - b[1].getJulianDay());
  if (terms.length !== 24) throw new Error(`year ${year}: ${terms.length} terms`);
  return terms;
}

function dateTimeRow(solar, note, termTime) {
  const lunar = solar.getLunar();
  const eight = lunar.getEightChar();
  eight.setSect(2);
  return [ymdhms(solar), lunar.getYearInGanZhi(), lunar.getMonthInChinese() + '月', lunar.getDayInChinese(),
          lunar.getYearShengXiao(), eight.getYear(), eight.getMonth(), eight.getDay(), eight.getTime(), note,
          termTime || ''].join('\t');
}

// Terms.
const termLines = [];
for (let year = 1901; year <= 2100; year++) {
  for (const [name, s] of termsOfYear(year)) termLines.push([year, name, ymdhms(s)].join('\t'));
}
fs.writeFileSync(path.join(outDir, 'terms.tsv'), header(['year', 'term', 'time']) + termLines.join('\n') + '\n');

// Lunar months touching the range, each once.
const months = new Map();
for (let year = 1900; year <= 2100; year++) {
  for (const m of LunarYear.fromYear(year).getMonths()) {
    const first = m.getFirstJulianDay();
    if (first > lastJd || first + m.getDayCount() - 1 < firstJd) continue;
    const text = (m.getMonth() < 0 ? '闰' : '') + LunarUtil.MONTH[Math.abs(m.getMonth())] + '月';
    months.set(first, [m.getYear(), text, ymd(Solar.fromJulianDay(first)), m.getDayCount(), m.getMonth() < 0]);
  }
}
const monthRows = [...months.entries()].sort((a, b) => a[0] - b[0]).map((e) => e[1]);
fs.writeFileSync(path.join(outDir, 'months.tsv'), header(['lunar_year', 'month', 'first_day', 'days']) +
    monthRows.map((r) => r.slice(0, 4).join('\t')).join('\n') + '\n');

// Date-times: random ones over the whole range, the ends of the range, both sides of every 节 of
// 2000-2030 one minute away, and the days around every leap month.
const rows = [];
const at = (jd, h, mi, s) => {
  const d = Solar.fromJulianDay(jd);
  return Solar.fromYmdHms(d.getYear(), d.getMonth(), d.getDay(), h, mi, s);
};
rows.push(dateTimeRow(at(firstJd, 0, 0, 0), 'first day'));
rows.push(dateTimeRow(at(lastJd, 23, 59, 59), 'last day'));
for (let i = 0; i < 3200; i++) {
  rows.push(dateTimeRow(at(randomInt(firstJd, lastJd), randomInt(0, 23), randomInt(0, 59), 0), 'random'));
}
for (let year = 2000; year <= 2030; year++) {
  for (const [name, s] of termsOfYear(year)) {
    if (!JIE.includes(name)) continue;
    for (const offset of [-60, 60]) {
      const t = new Date(Date.UTC(s.getYear(), s.getMonth() - 1, s.getDay(), s.getHour(), s.getMinute(),
                                  s.getSecond() + offset));
      const moved = Solar.fromYmdHms(t.getUTCFullYear(), t.getUTCMonth() + 1, t.getUTCDate(), t.getUTCHours(),
                                     t.getUTCMinutes(), t.getUTCSeconds());
      rows.push(dateTimeRow(moved, `${name} ${offset > 0 ? '+' : ''}${offset}s`, ymdhms(s)));
    }
  }
}
for (const r of monthRows.filter((r) => r[4])) {
  const first = Solar.fromYmd(...r[2].split('-').map(Number)).getJulianDay();
  for (const [jd, note] of [[first - 1, 'day before leap month'], [first, 'leap month first day'],
                            [first + r[3] - 1, 'leap month last day'], [first + r[3], 'day after leap month']]) {
    if (jd >= firstJd && jd <= lastJd) rows.push(dateTimeRow(at(jd, randomInt(0, 23), randomInt(0, 59), 0), note));
  }
}
fs.writeFileSync(path.join(outDir, 'datetimes.tsv'),
    header(['datetime', 'lunar_year', 'lunar_month', 'lunar_day', 'zodiac', 'year_pillar', 'month_pillar',
            'day_pillar', 'hour_pillar', 'note', 'oracle_term_time']) + rows.join('\n') + '\n');

// The sixty pairs and their Nayin.
const pairs = LunarUtil.JIA_ZI.map((name, i) => [i + 1, name, LunarUtil.NAYIN[name]].join('\t'));
fs.writeFileSync(path.join(outDir, 'sexagenary.tsv'), header(['index', 'pair', 'nayin']) + pairs.join('\n') + '\n');

// Charts: every tenth random date-time with its hidden stems, ten gods and Nayin (sect 2 as above).
// The day stem's own ten god is the library's "日主".
const chartRows = [];
seed = 19010101;
for (let i = 0; i < 400; i++) {
  const s = at(randomInt(firstJd, lastJd), randomInt(0, 23), randomInt(0, 59), 0);
  const e = s.getLunar().getEightChar();
  e.setSect(2);
  const pillar = (p) => [e['get' + p](), e['get' + p + 'HideGan']().join(''), e['get' + p + 'ShiShenGan'](),
                         e['get' + p + 'ShiShenZhi']().join(','), e['get' + p + 'NaYin']()];
  chartRows.push([ymdhms(s), ...pillar('Year'), ...pillar('Month'), ...pillar('Day'), ...pillar('Time')].join('\t'));
}
const chartColumns = ['datetime'];
for (const p of ['year', 'month', 'day', 'hour']) {
  chartColumns.push(`${p}_pillar`, `${p}_hidden`, `${p}_stem_god`, `${p}_hidden_gods`, `${p}_nayin`);
}
fs.writeFileSync(path.join(outDir, 'charts.tsv'), header(chartColumns) + chartRows.join('\n') + '\n');

console.log(`${termLines.length} terms, ${monthRows.length} months, ${rows.length} date-times, 60 pairs`);
