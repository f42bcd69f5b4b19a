// Defaults for AddressSanitizer, compiled into every test program. Without
// AddressSanitizer nothing calls this function and it has no effect.
//
// intercept_tls_get_addr=0: the JPEG image plugin loads libjpeg, whose
// thread-local storage then lives in a dynamic TLS block that glibc 2.36
// allocates with malloc. The runtime of GCC 12 (as of LLVM 16 and GCC 13)
// takes any such block that starts 16 bytes past a 4096-byte boundary for
// one with a glibc 2.19 header, and reads the two words before it as the
// block's start and size. Which address the block gets depends on what was
// allocated before it: with Qt's SVG image plugin installed it lands there
// often, LeakSanitizer then scans a range like 0xe84-0x800001f86 at exit
// and its tracer dies with signal 11. Not intercepting __tls_get_addr leaves
// out only the dynamic TLS of libraries loaded at run time (libjpeg's holds
// no pointers); the static TLS, the stacks, the globals and the heap are
// all still scanned, so leaks are still found (leakcheck_probe shows it).
extern "C" const char* __asan_default_options();
extern "C" const char* __asan_default_options() {
    return "intercept_tls_get_addr=0";
}
