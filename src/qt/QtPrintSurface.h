#pragma once

class CZRVView;
class QPrinter;

// Prints the view's one page on the printer in vectors, at the printer's resolution.
bool PrintView(CZRVView& view, QPrinter& printer);
