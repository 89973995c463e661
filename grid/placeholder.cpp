// intentionally empty until the first unit lands
