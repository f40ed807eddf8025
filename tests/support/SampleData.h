#pragma once
// Recognisable, in-range sample values for the tests of pages, dialogs, summaries and exports;
// tests change the fields they are about.
#include "fleetdata/StabilityRecord.h"
#include "graphs/GraphInformation.h"

namespace hmtest {

// A stability record with a value in every field the pages, the summary and the exports show.
hm::StabilityRecord sampleRecord();

// The interim values of graph `graph`, every count set and different from the others.
hm::InterimValues sampleInterimValues(int graph);

}  // namespace hmtest
