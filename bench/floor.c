/* The floor of a netsieve run: a statically linked program that starts,
   prints one line as long as netsieve's verdict line, and exits. */
#include <stdio.h>

int main(void) {
    fputs("NETSIEVE: Checking if 192.168.1.7 in network 192.168.0.0/16 ? (True)\n", stdout);
    fflush(stdout);
    return 0;
}
