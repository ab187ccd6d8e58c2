// Qt Charts 6.4 leaks the chart's title and legend items of a QChartView that
// has been shown and has run its layout, even when the view is deleted (a
// plain QChartView shown and deleted does the same). The leak is Qt's, so the
// leak checker of sanitizer builds is told to ignore allocations made by Qt
// Charts; everything else stays checked. Unused in builds without the sanitizer.
extern "C" const char* __lsan_default_suppressions() { return "leak:libQt6Charts.so\n"; }
