// Leaks the fuzz targets must not report: caches of system libraries that the platform's
// message box reaches (fontconfig keeps its configuration for the life of the process).
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\nleak:libdbus-1.so\nleak:libX11.so\n";
}
