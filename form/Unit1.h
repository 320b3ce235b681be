#pragma once

// The window's unit: its module state lives from Unit1::Initialize to Unit1::Finalize.
namespace Unit1 {
void Initialize();
void Finalize();
} // namespace Unit1
