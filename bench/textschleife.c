/* The yardstick of the text output: a plain C loop that writes the same bytes
 * as kalvendo-cli for a full 13 x 3 system (1,594,323 rows, the last match
 * changing fastest, tips in the order 1, 0, 2), one fwrite per line.
 *
 *   textschleife expand
 *       the lines of `kalvendo-cli expand`: "1,0,2,...\r\n"
 *   textschleife rows ZIFFERN BIS
 *       the lines of `kalvendo-cli evaluate --result ZIFFERN --finished 1-BIS
 *       --rows`: number, tab, the 13 tips, tab, hits, tab, chance or ---
 *   textschleife text
 *       the lines of the text row file ("Als Text- Datei"): the 13 tips
 *       separated by semicolons, "\r\n"
 */
#include <stdio.h>
#include <string.h>

/* Appends 0..99 to the line. */
static int zahl(char* p, int n) {
    if (n >= 10) {
        p[0] = (char)('0' + n / 10);
        p[1] = (char)('0' + n % 10);
        return 2;
    }
    p[0] = (char)('0' + n);
    return 1;
}

int main(int argc, char** argv) {
    static const char zeichen[3] = {'1', '0', '2'};
    const char* art = argc > 1 ? argv[1] : "";
    const int zeilen = !strcmp(art, "rows");
    const char trenner = !strcmp(art, "text") ? ';' : ',';
    if (!zeilen && strcmp(art, "expand") && strcmp(art, "text")) return 2;
    if (zeilen && (argc < 4 || strlen(argv[2]) != 13)) return 2;
    int bis = 0;
    if (zeilen) sscanf(argv[3], "%d", &bis);
    int z[13] = {0};
    char nummer[24] = "0"; /* the line number in decimal, counted up digit by digit */
    int stellen = 1;
    char zeile[64];
    for (long n = 1; n <= 1594323; ++n) {
        int k = 0;
        if (zeilen) {
            int i = stellen - 1;
            while (i >= 0 && nummer[i] == '9') nummer[i--] = '0';
            if (i >= 0) {
                ++nummer[i];
            } else {
                memmove(nummer + 1, nummer, (size_t)stellen++);
                nummer[0] = '1';
            }
            memcpy(zeile, nummer, (size_t)stellen);
            k = stellen;
            zeile[k++] = '\t';
            int treffer = 0, fehl = 0;
            for (int m = 0; m < 13; ++m) {
                const char c = zeichen[z[m]];
                zeile[k++] = c;
                if (c == argv[2][m]) ++treffer;
                else if (m < bis) ++fehl;
            }
            zeile[k++] = '\t';
            k += zahl(zeile + k, treffer);
            zeile[k++] = '\t';
            if (fehl <= 3) {
                k += zahl(zeile + k, 13 - fehl);
            } else {
                memcpy(zeile + k, "---", 3);
                k += 3;
            }
            zeile[k++] = '\n';
        } else {
            for (int m = 0; m < 13; ++m) {
                if (m) zeile[k++] = trenner;
                zeile[k++] = zeichen[z[m]];
            }
            zeile[k++] = '\r';
            zeile[k++] = '\n';
        }
        if (fwrite(zeile, 1, (size_t)k, stdout) != (size_t)k) return 1;
        for (int m = 12; m >= 0 && ++z[m] == 3; --m) z[m] = 0;
    }
    return fflush(stdout) == 0 ? 0 : 1;
}
