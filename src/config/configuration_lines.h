#pragma once
// The line table of the configuration file, walked once in file order for reading and for
// writing, so that both always agree on the position of every value.
#include <string>

#include "context/configuration.h"

namespace kalo {

// One side of the file: the writer puts lines out, the reader takes them in.
class LineChannel {
 public:
  virtual ~LineChannel() = default;
  // Writer: puts the line out and returns false. Reader: replaces it with the next line of
  // the file and returns true, or leaves it and returns false at the end of the file.
  virtual bool Exchange(std::string& line) = 0;
  // Writer: always false.
  virtual bool AtEnd() const = 0;
};

// Where a walk of the table ended.
enum class ConfigurationEnd {
  Complete,    // after the last line
  EarlyStop,   // the file ended at one of the first four stops ("Druckdicke vertikal" and before)
  LateStop,    // the file ended at a later stop
  MonochromeStop,  // the file ended right after "Layer Monochrom"
};

struct ConfigurationFileNames {
  std::string shortName;         // names the title line
  std::string startupDirectory;  // stands in for an empty data directory
};

// Writes or reads every line of the table. Values read pass their read rule; a value line
// missing at the end of the file leaves its setting as it is.
ConfigurationEnd ExchangeConfiguration(LineChannel& lines, Configuration& config,
                                       const ConfigurationFileNames& names);

}  // namespace kalo
