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

} // namespace preview
