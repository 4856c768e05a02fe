#pragma once
// `dashtrack repair`: a recording a power loss cut off rebuilt beside itself.

#include "repair/Repair.h"

// repair DAMAGED [--reference HEALTHY] [--output OUT]; false when the
// arguments are not such a command.
bool ParseRepair(int argc, char** argv, RepairRequest& request);

// Repairs with its progress on standard error and prints what was kept:
// the exit status.
int RunRepair(const RepairRequest& request);
