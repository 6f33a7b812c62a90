/* The floor for the batch report chain: a plain C program that reads a data file and
   writes a file of a given size, without any of the program's work in between.
   Usage: minimal_report INPUT OUTPUT SIZE */
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  FILE* in = fopen(argv[1], "rb");
  if (!in) return 1;
  static char buffer[1 << 16];
  size_t length = fread(buffer, 1, sizeof buffer, in);
  fclose(in);
  long size = atol(argv[3]);
  FILE* out = fopen(argv[2], "wb");
  if (!out) return 1;
  for (long written = 0; written < size; ++written) fputc(length ? buffer[written % (long)length] : ' ', out);
  return fclose(out) == 0 ? 0 : 1;
}
