/* The kernel's floor: a static program without any C library. It makes only
   the write and exit system calls, printing a line as long as netsieve's
   verdict line. x86-64 Linux; built with -nostdlib -static. */
static const char line[] =
    "NETSIEVE: Checking if 192.168.1.7 in network 192.168.0.0/16 ? (True)\n";

static long sys3(long number, long a, long b, long c) {
    long result;
    __asm__ volatile("syscall"
                     : "=a"(result)
                     : "a"(number), "D"(a), "S"(b), "d"(c)
                     : "rcx", "r11", "memory");
    return result;
}

void _start(void) {
    sys3(1 /* write */, 1, (long)line, sizeof line - 1);
    sys3(60 /* exit */, 0, 0, 0);
    __builtin_unreachable();
}
