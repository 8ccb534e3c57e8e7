#pragma once

class CGlobalDoc;

// The end of a run: the open company's store closed and moved to the
// company's current name (and data folder), the settings and print options
// written, the company's lock let go.
class RunEnd {
public:
    explicit RunEnd(CGlobalDoc& document);

    // Closes the store, moves it to the company's current name (and data
    // folder), writes the settings when that worked, and the print options;
    // then lets go of the company's lock. A company this program could not
    // write stays where it is. Returns whether the store is where the
    // settings now say.
    bool CloseDocument();

private:
    CGlobalDoc& document_;
};
