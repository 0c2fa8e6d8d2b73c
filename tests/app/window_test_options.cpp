// Drawing any text in a window leaves two small blocks of the font and
// graphics libraries behind at exit (a bare window with one line of text does
// the same), and the leak checker would blame the test for them. The window
// tests therefore run without it; every other test program keeps it.
extern "C" const char* __lsan_default_options() { return "detect_leaks=0"; }
