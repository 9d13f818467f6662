#include "files/config_ini.h"
