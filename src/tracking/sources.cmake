# sources of src/tracking
