# sources of src/delivery
