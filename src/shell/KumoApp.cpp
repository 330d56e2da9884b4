#include "shell/KumoApp.h"
