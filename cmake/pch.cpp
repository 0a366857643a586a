// The precompiled headers are compiled for this target; other targets reuse them.
