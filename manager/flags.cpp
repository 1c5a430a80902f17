#include "manager/flags.h"

namespace touchman {

int dbg_f = 0;
int date_f = 0;
int nodrv2_f = 0;

}  // namespace touchman
