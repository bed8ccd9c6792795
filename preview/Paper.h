#pragma once

namespace preview {

// The paper a report of that printable width is printed on, in inches, and where
// the printable area starts on it: the width centred, the lines from the top margin.
struct Paper {
    double width = 8.5;
    double height = 11;
    double left = 0.5;
    double top = 0.5;
};
Paper PaperOf(int printableWidth);

// The lines a page holds, six an inch of the sheet's height: US portrait (75)
// and any other width 11 inches, A4 portrait (77) 29.7 cm, US landscape (110)
// 8.5 inches, A4 landscape (115) 21 cm.
int PageLines(int printableWidth);

} // namespace preview
