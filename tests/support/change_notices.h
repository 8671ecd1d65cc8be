// Reading the change notices (dataChanged) of an item model that a QSignalSpy caught.
#pragma once

class QSignalSpy;

namespace sw_test {

// Whether one of the notices spans the cell: without one the view keeps showing its old text.
bool Announced(const QSignalSpy& changed, int row, int column);

}  // namespace sw_test
