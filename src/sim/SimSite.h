#pragma once
// Ready-made sites for the demo and manual runs: the life on the demo site,
// and a panel split into two partitions.
#include "sim/SimPanelActivity.h"

namespace qarvo::sim {

class SimPanel;

// The demo's site: someone walks through zone 4 now and then, and arming
// takes an exit time, so that a watched page keeps moving.
ActivityScript demoActivity();

// The panel works with two partitions: the first half of its zones belong
// to A, the rest to B, and the last zone to both. The zone records in
// programming memory say the same.
void splitIntoPartitions(SimPanel& panel);

} // namespace qarvo::sim
