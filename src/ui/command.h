#pragma once

/** The command codes of every menu and popup line: one number space, so that a handler
    can tell any chosen line from any other. */
namespace PCommand
{
constexpr int open = 1, close = 2, save = 3, setting = 4, tuning = 5, exportComic = 6, option = 7, exit = 8;
constexpr int guide = 12, decor = 13, localeE = 14, localeD = 15, localeF = 16, localeI = 17, about = 18;
constexpr int exportJpg = 19, exportPng = 20, exportPdf = 21, exportSvg = 22, inkSeries = 23, colourSeries = 24;
constexpr int exportComicBook = 25;
constexpr int import = 27, create = 28, cut = 29, copy = 30, paste = 31;
constexpr int group1 = 33, group2 = 34, group3 = 35, group4 = 36, group5 = 37;
constexpr int front = 38, back = 39, raise = 40, lower = 41, flipH = 42, flipV = 43, flipD = 44, init = 45;
constexpr int tensDigit0 = 46, unitsDigit0 = 56;
} // namespace PCommand
