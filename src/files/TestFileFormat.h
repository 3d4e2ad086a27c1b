#pragma once

// The layout of a test file (".ZRV"): CR LF lines of single-byte text.

// The first five bytes of every test file.
constexpr const char* TEST_FILE_MAGIC = "ZRV\r\n";
constexpr int TEST_FILE_MAGIC_SIZE = 5;

// A line read is kept in this many characters, terminator included; longer lines are cut.
constexpr int TEST_LINE_SIZE = 100;
// Every formatted line (the Cd area line, each data line) fits this many characters.
constexpr int TEST_FORMAT_SIZE = 120;

// Data lines are written for slots 0 .. 1399 and read back for winds below this (display
// units): everything the writer can write comes back.
constexpr double TEST_FILE_WIND_LIMIT = 140.0;

// Lift, drag and the Cd area are written bounded to this magnitude so that every formatted
// line fits its buffer; no instrument reading or reference area comes near it.
constexpr double TEST_FILE_VALUE_LIMIT = 1e9;
