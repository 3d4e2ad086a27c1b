#pragma once

#include <QImage>

class CZRVView;
class QPrinter;

// Draws the view's page as the printer sees it: an image of the printable size in device
// pixels through a printing context (white plot background).
QImage RenderPrintPage(CZRVView& view, int nWidth, int nHeight);
// Prints the view's one page on the printer in vectors, at the printer's resolution.
bool PrintView(CZRVView& view, QPrinter& printer);
