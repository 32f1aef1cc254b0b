#pragma once

#include <sys/types.h>

// The processor time, user and system, that a running process has used so far, in seconds;
// negative when it cannot be read.
double cpuSeconds(pid_t pid);
