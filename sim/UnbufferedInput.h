#pragma once

#include <streambuf>

// A file descriptor read one byte at a time, for a script on standard input: nothing is read
// ahead, so a respring's new process, which inherits the descriptor, goes on at the next line.
// A read that has to wait is done as TerminationSignals::WaitingForInput, so a signal then ends
// the process at once.
class UnbufferedInput : public std::streambuf {
public:
    explicit UnbufferedInput(int descriptor) : descriptor_(descriptor) {}

protected:
    // 1 when a byte can be read without waiting, else 0.
    std::streamsize showmanyc() override;
    int_type underflow() override;

private:
    int descriptor_;
    char byte_ = 0;
};
