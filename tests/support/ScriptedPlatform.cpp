#include "support/ScriptedPlatform.h"
