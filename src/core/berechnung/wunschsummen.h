#pragma once
// The two totals the progress window shows when it opens: all requests, and those whose
// teacher does not refuse the entry.

#include "model/sprechtag.h"

struct TWunschSummen {
    int Insgesamt = 0;
    int NichtAbgelehnt = 0;
};

TWunschSummen ZaehleWuensche(const TSprechtag& tag);
