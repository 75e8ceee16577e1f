/* The floor a single `quorrel-cli convert` is measured against (see
 * cli_startup.sh): the least any program does to convert a small font file
 * safely. It reads INPUT, writes its bytes to a temporary file beside
 * OUTPUT, makes them durable and renames the file over OUTPUT.
 *
 *   floor_convert INPUT OUTPUT
 */
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

int main(int argc, char** argv) {
    static char bytes[1 << 16];
    char temporary[4096];
    if (argc != 3) return 2;
    int in = open(argv[1], O_RDONLY);
    if (in < 0) return 1;
    ssize_t n = read(in, bytes, sizeof bytes);
    close(in);
    snprintf(temporary, sizeof temporary, "%s.tmp", argv[2]);
    int out = open(temporary, O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (out < 0 || n < 0 || write(out, bytes, (size_t)n) != n || fsync(out) != 0 || close(out) != 0)
        return 1;
    return rename(temporary, argv[2]) == 0 ? 0 : 1;
}
