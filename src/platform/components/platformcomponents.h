#pragma once

// Registers the ProgID of every component this program has, so the wrappers can create them.
void registerPlatformComponents();
