// Under the leak sanitizer: fontconfig's parser of its own configuration files loses a few bytes
// each time the library starts, which is none of ours to free. Every program that draws text
// would report it, so the report is turned off for allocations made inside fontconfig only.
extern "C" __attribute__((visibility("default"), used)) const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
