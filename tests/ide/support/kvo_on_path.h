// Puts the stand-in compiler "kvo" (built beside the test program) first on
// the PATH and has it record its arguments into a file of a scratch folder.
#pragma once

#include <string>
#include <vector>

class KvoOnPath {
  public:
    KvoOnPath();
    KvoOnPath(const KvoOnPath &) = delete;
    KvoOnPath &operator=(const KvoOnPath &) = delete;
    ~KvoOnPath();

    // The argument lists of the runs so far, in order.
    std::vector<std::vector<std::string>> Runs() const;

  private:
    std::string record;
    std::string previousPath;
};
