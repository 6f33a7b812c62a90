/* The least any DXF reader must do: read the file and split it into group pairs (a code line
   and a value line), parsing each code. The baseline for bench/dxf_import_vs_ezdxf.sh.
   usage: dxf_pair_splitter FILE   prints the number of pairs and the sum of the codes. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

int main(int argc, char** argv) {
  static char buffer[1 << 20];
  FILE* file = argc > 1 ? fopen(argv[1], "rb") : NULL;
  if (!file) return 1;
  long pairs = 0, codes = 0;
  int onCode = 1, code = 0, inLine = 0;
  size_t filled;
  while ((filled = fread(buffer, 1, sizeof buffer, file)) > 0) {
    for (char *p = buffer, *end = buffer + filled; p < end;) {
      char* newline = memchr(p, '\n', (size_t)(end - p));
      char* stop = newline ? newline : end;
      if (onCode)
        for (char* c = p; c < stop; ++c)
          if (*c >= '0' && *c <= '9') code = code * 10 + (*c - '0');
      inLine = newline == NULL;
      if (!newline) break;
      if (onCode) {
        codes += code;
        code = 0;
      } else {
        ++pairs;
      }
      onCode = !onCode;
      p = newline + 1;
    }
  }
  fclose(file);
  printf("%ld pairs, code sum %ld%s\n", pairs, codes, inLine ? " (last line open)" : "");
  return 0;
}
