#pragma once
// One long job behind the progress sheet (batch image export; the PDF export, mail and cropping
// runs take the same road): the stop flag cleared, the counters set, the sheet shown and its
// refresh started; the job's body on a worker thread while the GUI thread keeps serving the sheet
// and the worker's requests; then the refresh stopped and the sheet hidden, however the body ends.

#include <functional>

class OutputController;

class JobRunner {
public:
    // The running figure: records begun + 1, capped at the total (exports), or the count itself.
    enum class Figure { BegunPlusOne, Count };

    explicit JobRunner(OutputController &output) : output(output) {}

    // Runs body on a worker thread and returns when it has ended. Call on the GUI thread. An
    // exception of the body is logged; answers false then.
    bool run(int total, int endIndex, const std::function<void()> &body, Figure figure = Figure::BegunPlusOne);

private:
    OutputController &output;
};
