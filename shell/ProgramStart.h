#pragma once

class QApplication;
class QTranslator;

// What start-up does between making the application object and making the main
// window: the translation installed (early is the program's translation that
// LoadProgramTranslation loaded before the application object existed, which
// app takes over, or null when it found none: then the texts stay English), the
// session's passwords, the program's name and icon. The program and the
// start-up benchmark both start so.
void PrepareProgram(QApplication& app, QTranslator* early);
