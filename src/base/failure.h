#pragma once
// The run-time failure: a value that is not a number, an index out of range, a 16-bit overflow.
// It carries the error number and description the user is shown; one guard at the top of the
// event loop reports it and the program goes on.
#include <stdexcept>
#include <string>

namespace base {

class RuntimeFailure : public std::runtime_error {
  public:
    RuntimeFailure(int number, std::string description);
    int number() const { return number_; }
    const std::string& description() const { return description_; }
    // "Error N", a line break and the description: how a failure is shown to the user.
    std::string Message() const;

  private:
    int number_;
    std::string description_;
};

enum ErrorNumber { kOverflow = 6, kSubscriptOutOfRange = 9, kTypeMismatch = 13 };

RuntimeFailure Overflow();
RuntimeFailure SubscriptOutOfRange();
RuntimeFailure TypeMismatch();

}  // namespace base
